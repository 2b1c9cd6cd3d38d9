// What the engine's narration has the page say, delivered to screen readers
// through a live region. What to say, and when, is the engine's: this only
// puts each line where a screen reader hears it.
'use strict';

self.orvaneSpeech = function (echo) {
  // A screen reader passes over a live region's line that is the same as the
  // last one it heard, which would leave a key pressed again silent: every
  // other line ends with a mark no voice says, so no two lines in a row are alike.
  const MARK = '\u200b';
  // Once said a line goes, so that reading the page later does not come upon an old echo.
  const SAID_MS = 3000;
  let marked = false;
  let gathered = 0;

  function tell(text) {
    if (!text) return;
    marked = !marked;
    const line = document.createElement('p');
    line.textContent = text + (marked ? MARK : '');
    echo.replaceChildren(line);
    setTimeout(() => line.remove(), SAID_MS);
  }

  return {
    // Takes the last line away: the page around a modal box goes out of a
    // screen reader's view, and a line still there as it comes back is read again.
    hush() {
      echo.replaceChildren();
    },
    // A line of the page's own.
    tell,
    // After each key, press or copy the engine has run: what it says at
    // once, and the echoes of a burst of keys when they are due.
    follow(engine) {
      tell(engine.said());
      clearTimeout(gathered);
      const due = engine.gatheredDue();
      if (due >= 0) gathered = setTimeout(() => tell(engine.sayGathered()), due - performance.now());
    },
  };
};
