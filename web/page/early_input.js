// Loaded first in the page's head: the keys are painted before the page's
// other scripts arrive, so what is clicked, tapped or typed until then is
// kept here, unseen by anything else, and handed to the page's scripts,
// which dispatch it again in order as they take over. A finger's moves are
// kept with it, so that a tap and a gesture are told apart then as later.
(function () {
  var kept = [], types = ['click', 'keydown', 'touchstart', 'touchmove', 'touchend', 'touchcancel'];
  function keep(event) {
    kept.push(event);
    event.stopImmediatePropagation();
    // As the page will: a finger lifted from a key makes no click of its
    // own, and a character is the calculator's, not the browser's quick find.
    var key = event.key, touches = event.type === 'touchend' ? event.changedTouches : [];
    for (var i = 0; i < touches.length; i++) {
      if (touches[i].target.closest && touches[i].target.closest('.key') && event.cancelable) event.preventDefault();
    }
    if (key && !event.ctrlKey && !event.altKey && (key === 'Backspace' || key === 'Escape' ||
        (key.length === 1 && key !== ' '))) event.preventDefault();
  }
  types.forEach(function (type) {
    addEventListener(type, keep, { capture: true, passive: type === 'touchstart' || type === 'touchmove' });
  });
  self.orvaneEarlyInput = function () {
    types.forEach(function (type) { removeEventListener(type, keep, { capture: true }); });
    return kept;
  };
})();
