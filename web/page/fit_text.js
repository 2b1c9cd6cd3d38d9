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

  // The room for the text inside an element and the text's width, both as
  // drawn, so that the drawn window's scale and the rounding of a layout to
  // whole pixels leave their ratio as it is.
  const range = document.createRange();
  const form = document.getElementById('Form1');
  function over(box, text) {
    const style = getComputedStyle(box);
    const scale = form.getBoundingClientRect().width / (form.offsetWidth || 1);
    const sides = ['paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth']
      .reduce((sum, side) => sum + parseFloat(style[side]), 0) * scale;
    const drawn = box.getBoundingClientRect().width;
    range.selectNodeContents(text);
    // A tenth of a pixel is rounding: a title as wide as its text fits.
    return (range.getBoundingClientRect().width - 0.1) / Math.max(1, drawn - sides);
  }

  // Sets the target's text size so that the text of each pair fits its box,
  // starting from the layout's size.
  function fit(target, pairs, smallest) {
    target.style.fontSize = '';
    let size = parseFloat(getComputedStyle(target).fontSize);
    for (let i = 0; i < TRIES; i++) {
      const most = Math.max(...pairs.map(([box, text]) => over(box, text)));
      if (most <= 1 || size <= smallest) return;
      size = Math.max(smallest, Math.floor(size / most * 4) / 4 - (i ? 0.25 : 0));
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
