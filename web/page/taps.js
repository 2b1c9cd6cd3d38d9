// A tap presses a key; a gesture does not.
//
// A key acts as the finger lifts, if that finger went down on it and came
// up on it without moving past the slop, as a phone's own calculator does:
// a pinch over the keys to zoom, a pan or swipe that starts on a key and a
// palm's three or more fingers type nothing. The key shows itself pressed
// from the moment the finger goes down. A second finger on a key already
// held does not press it again; two fingers on two keys give both, in the
// order they lifted, and a finger that stays down keeps no other from
// tapping. Whatever the browser would make of a finger on a key (a click,
// a focus) is refused, so only this presses. Mouse and keyboard are left
// to the page.
//
// The page's early-input script keeps the touches made before this runs,
// and the page dispatches them again: they meet the same rule here.
'use strict';

(function () {
  const SLOP = 10;  // CSS pixels a tapping finger may wander
  const PALM = 3;   // fingers down at once that are a hand, not a tap
  const root = document.documentElement;
  // Touch identifier -> the key, where the finger landed and where the key
  // stood then, while the finger may still tap.
  const fingers = new Map();
  let palm = false;  // until every finger is up

  const within = (rect, x, y) => x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
  function release(key) {
    if (![...fingers.values()].some((finger) => finger.key === key)) key.classList.remove('pressed');
  }
  function drop(id) {
    const finger = fingers.get(id);
    if (!finger) return;
    fingers.delete(id);
    release(finger.key);
  }

  document.addEventListener('touchstart', (event) => {
    root.classList.add('touched');
    if (event.touches.length >= PALM) palm = true;
    if (palm) {
      [...fingers.keys()].forEach(drop);
      return;
    }
    for (const touch of event.changedTouches) {
      const key = touch.target.closest && touch.target.closest('#client .key');
      if (!key || key.disabled) continue;
      const held = [...fingers.values()].some((finger) => finger.key === key);
      key.classList.add('pressed');
      // Where the key stands as the finger lands: what a key typed before
      // it lifts may change in the page does not move it from under the finger.
      const on = key.getBoundingClientRect();
      if (!held) fingers.set(touch.identifier, { key, x: touch.clientX, y: touch.clientY, on });
    }
  }, { capture: true, passive: true });

  document.addEventListener('touchmove', (event) => {
    for (const touch of event.changedTouches) {
      const finger = fingers.get(touch.identifier);
      if (finger && Math.hypot(touch.clientX - finger.x, touch.clientY - finger.y) > SLOP) drop(touch.identifier);
    }
  }, { capture: true, passive: true });

  function lift(event) {
    for (const touch of event.changedTouches) {
      const finger = fingers.get(touch.identifier);
      const key = touch.target.closest && touch.target.closest('#client .key');
      // No click of the browser's, and no focus moved by a finger.
      if (key && event.cancelable) event.preventDefault();
      if (!finger) {
        if (key) release(key);  // a second finger on a held key, or part of a palm
        continue;
      }
      drop(touch.identifier);
      if (event.type === 'touchend' && within(finger.on, touch.clientX, touch.clientY) &&
          Math.hypot(touch.clientX - finger.x, touch.clientY - finger.y) <= SLOP) finger.key.click();
    }
    if (event.touches.length === 0) palm = false;
  }
  document.addEventListener('touchend', lift, { capture: true, passive: false });
  document.addEventListener('touchcancel', lift, { capture: true, passive: false });

  document.addEventListener('keydown', () => root.classList.remove('touched'), true);
  // A finger held on a key is not asking for the page's menu.
  document.addEventListener('contextmenu', (event) => { if (fingers.size) event.preventDefault(); }, true);
})();
