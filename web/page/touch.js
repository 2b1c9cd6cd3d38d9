// Faces drawn to the size of their key.
//
// Touch shows no focus ring; the keyboard brings it back (taps.js).
//
// In the touch screen's grid a key is larger than its face and rarely of
// the same proportions: the face is drawn again from the same outlines at
// the key's size, the rounded picture filling the key and the glyph scaled
// evenly in its middle, so that it stays sharp at any pixel ratio.
'use strict';

(function () {
  const grid = matchMedia(document.getElementById('touchLayout').media);
  const client = document.getElementById('client');

  const root = document.documentElement;
  if (grid.matches) root.classList.add('touched');

  // Each face's measures as first drawn: its size, and the rounded
  // rectangle's and the sheen's places in it.
  const drawn = new WeakMap();
  const numbers = (element, names) => names.map((name) => Number(element.getAttribute(name)));
  function set(element, values) {
    for (const [name, value] of Object.entries(values)) element.setAttribute(name, value);
  }

  function fitFace(key) {
    const face = key.querySelector('.face');
    // A face never refitted is already drawn for the desktop's layout: the
    // first frame is spared a layout forced by every key.
    if (!face || (!grid.matches && !drawn.has(face))) return;
    const rect = face.querySelector('rect');
    const sheen = face.querySelector('line');
    if (!drawn.has(face)) {
      drawn.set(face, { size: numbers(face, ['width', 'height']), rect: numbers(rect, ['x', 'y', 'width', 'height']),
                        sheen: numbers(sheen, ['x1', 'y1', 'x2', 'y2']) });
    }
    const { size: [width, height], rect: [x, y, w, h], sheen: [x1, y1, x2, y2] } = drawn.get(face);
    // The key's size to the fraction, which the face, as wide and high as the key, has too.
    const { width: keyWidth, height: keyHeight } = key.getBoundingClientRect();
    // The margins, in the face's own units, that widen it to the key's shape.
    let dx = 0;
    let dy = 0;
    let shown = [width, height];
    if (grid.matches && keyWidth > 0 && keyHeight > 0) {
      const scale = Math.min(keyWidth / width, keyHeight / height);
      dx = (keyWidth / scale - width) / 2;
      dy = (keyHeight / scale - height) / 2;
      shown = [keyWidth, keyHeight];
    }
    set(face, { width: shown[0], height: shown[1], viewBox: `${-dx} ${-dy} ${width + 2 * dx} ${height + 2 * dy}` });
    set(rect, { x: x - dx, y: y - dy, width: w + 2 * dx, height: h + 2 * dy });
    set(sheen, { x1: x1 - dx, y1: y1 - dy, x2: x2 + dx, y2: y2 - dy });
  }

  // Keys change size only in the grid, so only there are they
  // watched: the drawn window's first frame has no observations to deliver.
  const resized = new ResizeObserver((entries) => entries.forEach((entry) => fitFace(entry.target)));
  function follow() {
    for (const key of client.querySelectorAll('.key')) {
      if (grid.matches) {
        resized.observe(key);  // which fits the face once the key has its size
      } else {
        resized.unobserve(key);
        fitFace(key);
      }
    }
  }
  if (grid.matches) follow();
  grid.addEventListener('change', follow);
})();
