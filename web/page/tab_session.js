// The tab keeps its work. As the page is hidden or left, the engine's record,
// which the engine writes, and the key that has the focus are kept in the
// tab's session storage; as the page starts again in the same tab (a
// reload, a discarded tab brought back, back or forward) the engine takes
// the record back, checking it as it does, and the key takes the focus. A
// new tab has nothing kept and starts fresh; nothing outlives the tab.
'use strict';

self.orvaneTabSession = (function () {
  const RECORD = 'orvane.record';
  const FOCUS = 'orvane.focus';
  // Storage may be refused (a full quota, a policy): the tab then keeps nothing.
  function read(name) {
    try { return sessionStorage.getItem(name); } catch (e) { return null; }
  }
  function write(name, value) {
    try {
      if (value === null) sessionStorage.removeItem(name); else sessionStorage.setItem(name, value);
    } catch (e) { /* kept nothing */ }
  }

  // The key kept, and the key that has the focus now (the = key's
  // autofocus may have come first).
  const kept = read(FOCUS);
  let focused = kept;
  let engine = null;
  document.addEventListener('focusin', (event) => {
    if (event.target.matches('#keypad .key')) focused = event.target.id;
  });
  function keep() {
    if (engine) write(RECORD, engine.savedRecord());
    if (focused) write(FOCUS, focused);
  }
  addEventListener('pagehide', keep);
  document.addEventListener('visibilitychange', () => { if (document.visibilityState === 'hidden') keep(); });

  return {
    // The key that had the focus has it again, as the page's scripts start,
    // and still once the = key's autofocus has had its turn.
    focus() {
      const key = kept && document.getElementById(kept);
      if (!key || !key.matches('#keypad .key:enabled:not([hidden])')) return;
      const take = () => {
        const now = document.activeElement;
        if (!now || now === document.body || now.autofocus) key.focus({ preventScroll: true });
      };
      take();
      requestAnimationFrame(take);
    },
    // The kept record into the started engine; one it refuses is forgotten.
    restore(started) {
      const record = read(RECORD);
      if (record !== null && !started.restore(record)) write(RECORD, null);
      engine = started;
    },
  };
})();
