// Every caption of the answer and memory displays shown whole: where a
// caption is wider than its display at the layout's text size, its text is
// made smaller, down to SMALLEST px; the layouts give each display room for
// the widest caption at that size. The menu titles shrink the same way to
// stay on one line. A number is never cut or elided.
'use strict';

(function () {
  const SMALLEST = 12;
  // Text width does not scale exactly with its size: a few tries settle it.
  const TRIES = 4;
  const fitted = [2, 3, 4].map((n) => document.getElementById('Label' + n).firstElementChild);
  const menuBar = document.getElementById('menubar');
  const titles = Array.from(menuBar.querySelectorAll('.title'));

  // The room inside an element, and how wide its text is, in the page's
  // pixels before the drawn window's scale.
  function room(element) {
    const style = getComputedStyle(element);
    return element.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  }
  const range = document.createRange();
  function textWidth(element) {
    range.selectNodeContents(element);
    const drawn = element.getBoundingClientRect().width;
    return drawn ? range.getBoundingClientRect().width * element.offsetWidth / drawn : 0;
  }

  // Sets the target's text size so that the text of each pair fits its box,
  // starting from the layout's size.
  function fit(target, pairs, smallest) {
    target.style.fontSize = '';
    let size = parseFloat(getComputedStyle(target).fontSize);
    for (let i = 0; i < TRIES; i++) {
      // Half a pixel is rounding: a title as wide as its text fits.
      const over = Math.max(...pairs.map(([box, text]) => (textWidth(text) - 0.5) / Math.max(1, room(box))));
      if (over <= 1 || size <= smallest) return;
      size = Math.max(smallest, Math.floor(size / over * 4) / 4 - (i ? 0.25 : 0));
      target.style.fontSize = size + 'px';
    }
  }

  const fitCaption = (text) => fit(text, [[text.parentElement, text]], SMALLEST);
  function fitAll() {
    fitted.forEach(fitCaption);
    fit(menuBar, titles.map((title) => [title, title]), 0);
  }

  // A caption changes as the engine sets it; a display's size as the layout
  // or the screen changes; the text's width once the page's font has come.
  const changed = new MutationObserver(() => fitted.forEach(fitCaption));
  for (const text of fitted) changed.observe(text, { childList: true, characterData: true, subtree: true });
  const resized = new ResizeObserver(fitAll);
  for (const text of fitted) resized.observe(text.parentElement);
  resized.observe(menuBar);
  document.fonts.ready.then(fitAll);
})();
