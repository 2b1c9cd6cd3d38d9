// The page is a thin shell over the engine module: it passes clicks on the
// keypad (written into the page when it is built) and keys in, and shows the
// four captions the engine sets. It keeps no calculator state of its own.
'use strict';

(function () {
  const WINDOW_WIDTH = 582;  // the client area, in pixels
  const MAX_SCALE = 2;
  // Long enough for a screen reader to have met the opened About box.
  const VERSION_SAID_MS = 300;
  // Long enough for a screen reader to have told of the page's loading.
  const LOAD_TOLD_MS = 2000;
  // Long enough for the browser to have shown the page again after the About box.
  const FOCUS_BACK_MS = 150;
  const status = document.getElementById('status');

  function tell(sentence) {
    status.textContent = sentence;
    status.hidden = false;
  }

  // What screen readers are told, in the first of the browser's languages
  // that the desktop's translations have, English being the source.
  const texts = (function () {
    const all = self.orvaneTexts || {};
    for (const language of navigator.languages || [navigator.language]) {
      const code = String(language).split('-')[0].toLowerCase();
      if (code === 'en') break;
      if (all[code]) return all[code];
    }
    return {};
  })();
  const say = (source) => texts[source] || source;
  const words = self.orvaneWords;
  const speech = self.orvaneSpeech(document.getElementById('echo'));
  // A key's name, long enough that a screen reader reads it and not the
  // description in its place.
  const keyName = (name) => (name.length === 1 ? say(words.digit).replace('%1', name) : say(name));

  // An element named in English that shows no Japanese text is marked
  // English, so that it is not read with the page's Japanese voice.
  const JAPANESE = /[\u3000-\u9fff\uff00-\uffef]/;
  const ENGLISH_WORD = /[A-Za-z]{2}/;
  function describe(element, name, description) {
    if (name) element.setAttribute('aria-label', element.matches('.key') ? keyName(name) : say(name));
    if (description) element.setAttribute('aria-description', say(description));
    if (name && !texts[name] && !JAPANESE.test(element.textContent)) element.lang = 'en';
  }
  for (const element of document.querySelectorAll('[data-speech]')) {
    const [name, description] = element.dataset.speech.split('|');
    describe(element, name, description);
    if (element.tagName === 'IMG') element.alt = say(name);
  }
  // So are the hint, the key echo and the displays, which are read by their
  // names, when the page speaks English.
  const english = !Object.keys(texts).length;
  const hint = document.getElementById('hint');
  hint.textContent = say(words.hint) + ' ' + say(words.sayKey).replace('%1', words.sayKeyName);
  const about = document.getElementById('frmAbout');
  for (const element of [hint, about, document.getElementById('echo'), ...document.querySelectorAll('.display')]) {
    if (english) element.lang = 'en';
  }
  for (const display of document.querySelectorAll('.display[role=region]')) display.ariaRoleDescription = say(words.display);
  describe(about.querySelector('.close'), words.close);

  // The window keeps its drawn size and scales as a whole to the viewport's
  // width, or its height where that is shorter, so every key is hit where
  // it is drawn and nothing scrolls.
  const frame = document.getElementById('frame');
  const form = document.getElementById('Form1');
  function fit() {
    // Within the safe area: a notched phone turned sideways has insets at its sides.
    const body = getComputedStyle(document.body);
    const width = document.documentElement.clientWidth - parseFloat(body.paddingLeft) - parseFloat(body.paddingRight);
    const height = document.documentElement.clientHeight - hint.offsetHeight - parseFloat(body.paddingTop) -
      parseFloat(body.paddingBottom);
    const scale = Math.min(MAX_SCALE, width / WINDOW_WIDTH, height / form.offsetHeight);
    form.style.transform = 'scale(' + scale + ')';
    frame.style.width = WINDOW_WIDTH * scale + 'px';
    frame.style.height = form.offsetHeight * scale + 'px';
    // The About box stands in the top layer, outside the scaled window: it
    // is placed and scaled as though it were inside.
    const box = form.getBoundingClientRect();
    about.style.setProperty('--scale', scale);
    about.style.setProperty('--left', box.left + scrollX + 'px');
    about.style.setProperty('--top', box.top + scrollY + 'px');
  }
  // Where the style sheet can scale by itself, the first frame is already
  // right; fitting waits for it rather than lay the page out before it.
  requestAnimationFrame(fit);
  addEventListener('resize', fit);

  // The keys are in the page from its first paint and take clicks and keys
  // at once; what comes before the engine is ready waits, in order, for it.
  let engine = null;
  const waiting = [];
  function act(step) {
    if (engine) {
      step();
      show();
    } else {
      waiting.push(step);
    }
  }

  const labels = [1, 2, 3, 4].map((n) => document.getElementById('Label' + n));
  // The answer as a sentence in the evaluate key's description, as the
  // desktop has it, but first: a screen reader says the description of the
  // focused key again when it changes, and the answer is what is new.
  const evaluate = document.getElementById('Command1');
  let evaluateDescription = evaluate.getAttribute('aria-description');
  let copied = 0;
  // Until the answer display first changes, the key's description is left as
  // it came: a screen reader reads a description that changes on the
  // focused key, and at the start there is nothing new to tell.
  let answered = false;
  // Shows what the engine set and hands new clipboard text on; a browser
  // that refuses the clipboard leaves it as it was.
  function show() {
    labels.forEach((label, i) => {
      const caption = engine.caption(i + 1);
      const shown = label.firstElementChild;
      if (shown.textContent !== caption) {
        shown.textContent = caption;
        answered ||= i === 1;
      }
      // A message is Japanese also where the page speaks English: there the
      // display is read by its name alone.
      const unread = english && JAPANESE.test(caption);
      if (shown.hasAttribute('aria-hidden') !== unread) {
        if (unread) shown.setAttribute('aria-hidden', 'true'); else shown.removeAttribute('aria-hidden');
      }
      // English words shown where the page speaks Japanese ("Memory 1") are
      // read with an English voice.
      const inEnglish = !english && ENGLISH_WORD.test(caption) && !JAPANESE.test(caption);
      if (shown.hasAttribute('lang') !== inEnglish) {
        if (inEnglish) shown.lang = 'en'; else shown.removeAttribute('lang');
      }
    });
    const answer = engine.displayLine(2);
    if (labels[1].ariaLabel !== answer) labels[1].ariaLabel = answer;
    const described = labels[1].ariaLabel + ' ' + evaluateDescription;
    if (answered && evaluate.getAttribute('aria-description') !== described) evaluate.setAttribute('aria-description', described);
    const writes = engine.clipboardWrites();
    if (writes !== copied) {
      copied = writes;
      if (navigator.clipboard) navigator.clipboard.writeText(engine.clipboard()).catch(() => {});
    }
  }

  for (const key of document.querySelectorAll('#client .key:not([hidden])')) {
    const number = Number(key.id.slice('Command'.length));
    key.addEventListener('click', () => act(() => follow(() => engine.press(number, performance.now()))));
  }
  // A layout that types ^ with a dead key reports "Dead"; its layout map
  // says which key that is, where the browser offers one.
  let layout = null;
  if (navigator.keyboard && navigator.keyboard.getLayoutMap) {
    navigator.keyboard.getLayoutMap().then((map) => { layout = map; }, () => {});
  }

  // What the engine made of a key (engine_module.cpp): nothing, a key of the
  // key table, a command of the window, paste or the menu bar.
  const KEY = { ignored: 0, keyTable: 1, command: 2, paste: 3, menuBar: 4 };
  // A key the engine may take: a character, or a key the key table names.
  const mayBeTaken = (key) => (key.length === 1 && key !== ' ') || words.namedKeys.includes(key);

  keepFocus();
  const menus = setUpMenus();
  setUpKeys(menus);
  setUpPaste(menus);
  // The first key has the focus from the first paint (autofocus), unless
  // one was clicked since.
  if (document.activeElement === document.body) document.getElementById('Command1').focus();
  self.orvaneTabSession.focus();
  // What was clicked, tapped or typed before this script ran, in order.
  for (const event of self.orvaneEarlyInput ? self.orvaneEarlyInput() : []) event.target.dispatchEvent(event);
  performance.mark('orvane-usable');

  // Every file is asked for with the release of the page that asks.
  const release = new URL(document.currentScript.src).searchParams.get('r');
  // The engine's script runs once the keys are on screen, so that its work
  // does not hold up the first paint; the page has asked for it already.
  requestAnimationFrame(() => setTimeout(() => {
    if (typeof WebAssembly !== 'object') {
      tell('このブラウザーは WebAssembly に対応していないため、Orvane を使えません。');
      return;
    }
    if ('serviceWorker' in navigator) {
      // A new release is looked for on every start, not only when the
      // browser gets round to it.
      navigator.serviceWorker.getRegistration()
        .then((worker) => (worker ? worker.update() : navigator.serviceWorker.register('service_worker.js')))
        .catch(() => {});
    }
    const script = document.createElement('script');
    script.src = (compilesWebAssembly() ? 'orvane.js' : 'orvane_plain.js') + (release ? '?r=' + release : '');
    script.onload = () => OrvaneModule({ printErr: () => {}, print: () => {},
                                         locateFile: (path) => path + (release ? '?r=' + release : '') })
      .then(start, cannotLoad);
    script.onerror = cannotLoad;
    document.head.append(script);
  }, 0));
  // A host's policy may refuse to compile WebAssembly (a Content-Security-
  // Policy without 'wasm-unsafe-eval'); the engine then comes as plain
  // JavaScript, slower and larger but the same engine.
  function compilesWebAssembly() {
    try {
      return new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0])) instanceof WebAssembly.Module;
    } catch (error) {
      return false;
    }
  }
  function cannotLoad() {
    tell('計算エンジンを読み込めませんでした。ページを読み込み直してください。');
  }

  function start(module) {
    const cwrap = module.cwrap;
    const ready = {
      start: cwrap('orvane_start', null, []),
      press: cwrap('orvane_press_button', null, ['number', 'number']),
      key: cwrap('orvane_key', 'number', ['string', 'number', 'number', 'number']),
      paste: cwrap('orvane_paste', null, ['string', 'number']),
      copy: cwrap('orvane_copy', null, ['number', 'number']),
      said: cwrap('orvane_said', 'string', []),
      gatheredDue: cwrap('orvane_gathered_due', 'number', []),
      sayGathered: cwrap('orvane_say_gathered', 'string', []),
      displayLine: cwrap('orvane_display_line', 'string', ['number']),
      aboutLine: cwrap('orvane_about_line', 'string', ['number']),
      caption: cwrap('orvane_caption', 'string', ['number']),
      clipboard: cwrap('orvane_clipboard', 'string', []),
      clipboardWrites: cwrap('orvane_clipboard_writes', 'number', []),
      savedRecord: cwrap('orvane_saved_record', 'string', []),
      restore: cwrap('orvane_restore_record', 'number', ['string']),
    };
    // The engine says what it says in the language the page speaks.
    const translate = cwrap('orvane_translate', null, ['string', 'string']);
    for (const [source, text] of Object.entries(texts)) translate(source, text);
    // Each key's description, ending with its keyboard key, as the engine words it.
    const describeButton = cwrap('orvane_button_description', 'string', ['number']);
    for (const key of document.querySelectorAll('#client .key')) {
      const description = describeButton(Number(key.id.slice('Command'.length)));
      if (description) key.setAttribute('aria-description', description);
    }
    evaluateDescription = evaluate.getAttribute('aria-description');
    ready.start();
    self.orvaneTabSession.restore(ready);
    engine = ready;
    for (const step of waiting.splice(0)) step();
    show();
    // Where the user is, once the page has loaded and a screen reader has
    // told of that, which it would otherwise say over this line: the
    // calculator, the key that has the focus and the hint. A user who has
    // typed already knows.
    const loaded = document.readyState === 'complete' ? Promise.resolve() :
      new Promise((done) => addEventListener('load', done, { once: true }));
    loaded.then(() => setTimeout(() => {
      const focused = document.activeElement;
      if (!followed) speech.tell([form.ariaLabel, focused.matches('.key') ? focused.ariaLabel : '', hint.textContent].filter(Boolean).join('. '));
    }, LOAD_TOLD_MS));
    document.documentElement.dataset.ready = 'true';
    performance.mark('orvane-ready');
  }

  // As on the desktop, only a left click on a key, or Tab, moves the
  // keyboard's focus: a right click, or a click on a display, a disabled
  // key or the background, leaves it where it was, so Enter still presses
  // the key it pressed before.
  function keepFocus() {
    let focused = null;
    document.addEventListener('focusin', (event) => { focused = event.target; });
    document.addEventListener('mousedown', (event) => {
      if (event.button !== 0 && event.target.closest('button')) event.preventDefault();
    }, true);
    document.addEventListener('pointerup', () => {
      const now = document.activeElement;
      if ((!now || now === document.body) && focused && focused.isConnected && !focused.disabled &&
          focused.offsetParent) {
        focused.focus({ preventScroll: true });
      }
    }, true);
  }

  // Runs a key's action, shows what it did and says so.
  let followed = false;
  function follow(run) {
    followed = true;
    run();
    show();
    speech.follow(engine);
  }

  function pressKey(key, keypad, mask) {
    let outcome = KEY.ignored;
    follow(() => { outcome = engine.key(key, keypad, mask, performance.now()); });
    if (outcome === KEY.menuBar) menus.openMenuBar();
    return outcome;
  }

  // A key always holds the focus, as on the desktop: where a screen reader's
  // reading left it on a display, the menu bar or nothing, the key that had
  // it last takes it back at the next key press, and Enter or Space presses
  // that key. Left and Right move it to the key before or after in the tab
  // order, round from the last to the first, as the desktop's keys do.
  function keyHoldsFocus(event) {
    const keys = Array.from(document.querySelectorAll('#keypad .key')).filter((k) => !k.disabled && k.offsetParent);
    if (!keys.includes(document.activeElement)) {
      const last = keys.includes(lastKey) ? lastKey : keys[0];
      last.focus({ preventScroll: true });
      if (event.key !== 'Enter' && event.key !== ' ') return false;
      last.click();
    } else if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
      const at = keys.indexOf(document.activeElement) + (event.key === 'ArrowRight' ? 1 : keys.length - 1);
      keys[at % keys.length].focus();
    } else {
      return false;
    }
    event.preventDefault();
    return true;
  }
  let lastKey = null;
  document.addEventListener('focusin', (event) => {
    if (event.target.matches('#keypad .key')) lastKey = event.target;
  });

  function setUpKeys(menus) {
    document.addEventListener('keydown', (event) => {
      if (menus.aboutHasKeys(event) || menus.handleKey(event) || event.isComposing) return;
      if (!event.ctrlKey && !event.altKey && !event.metaKey && keyHoldsFocus(event)) return;
      let key = event.key;
      if (key === 'Dead' && layout && layout.get(event.code) === '^') key = '^';
      const mask = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
      const keypad = event.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD ? 1 : 0;
      let outcome;
      if (engine) {
        outcome = pressKey(key, keypad, mask);
      } else {
        outcome = mayBeTaken(key) ? KEY.keyTable : KEY.ignored;
        if (outcome) waiting.push(() => pressKey(key, keypad, mask));
      }
      // The browser's own use of a plain key (quick find on "/") would take
      // the key from the calculator; chords stay the browser's, but for the
      // window's commands. Paste is left to the browser, whose paste event
      // brings the clipboard's text.
      if ((outcome === KEY.keyTable && mask <= 1) || outcome === KEY.command) event.preventDefault();
    }, true);
  }

  // The browser's paste (Ctrl+V, Shift+Insert, its Edit menu): the
  // clipboard's plain text, read once, typed by the engine or refused whole.
  function setUpPaste(menus) {
    document.addEventListener('paste', (event) => {
      if (menus.busy()) return;
      const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
      event.preventDefault();
      act(() => follow(() => engine.paste(text, performance.now())));
    });
  }

  function setUpMenus() {
    const about = document.getElementById('frmAbout');
    const titles = Array.from(document.querySelectorAll('#menubar .title'));
    let open = null;  // the title whose menu is open
    let returnFocus = null;

    // Each menu is named as its title is, so that a screen reader says which
    // menu opened as the focus lands on its first item.
    for (const title of titles) Object.assign(title.nextElementSibling, { ariaLabel: title.ariaLabel, lang: title.lang });
    const itemsOf = (title) => Array.from(title.nextElementSibling.querySelectorAll('[role=menuitem]'));
    function close() {
      if (!open) return;
      open.setAttribute('aria-expanded', 'false');
      open.nextElementSibling.hidden = true;
      open = null;
    }
    function openMenu(title, focusFirst) {
      if (!open) returnFocus = document.activeElement;
      close();
      open = title;
      title.setAttribute('aria-expanded', 'true');
      title.nextElementSibling.hidden = false;
      (focusFirst ? itemsOf(title)[0] : title).focus();
    }
    function leave() {
      close();
      if (returnFocus && document.contains(returnFocus)) returnFocus.focus();
    }

    // A click on the menu bar leaves the focus where it was, as a menu bar does.
    for (const item of document.querySelectorAll('#menubar button')) {
      item.addEventListener('mousedown', (event) => event.preventDefault());
    }
    for (const title of titles) {
      title.addEventListener('click', () => (open === title ? leave() : openMenu(title, false)));
      title.addEventListener('pointerenter', () => { if (open && open !== title) openMenu(title, false); });
    }
    // A press beside an open menu closes it; a finger that does so does only
    // that: its touch, which follows, is kept from the key under it.
    let closedByTouch = false;
    document.addEventListener('pointerdown', (event) => {
      if (!open || event.target.closest('#menubar')) return;
      // A finger moves no focus: the focus goes back where it was before the menu.
      closedByTouch = event.pointerType === 'touch';
      if (closedByTouch) leave(); else close();
    });
    addEventListener('touchstart', (event) => {
      if (!closedByTouch) return;
      closedByTouch = false;
      event.preventDefault();
      event.stopImmediatePropagation();
    }, { capture: true, passive: false });

    // The box's shown lines are written in when the page is built; what a
    // screen reader hears of it the engine says, once it has come.
    // The name, version and purpose are said once the box stands: as its
    // description Firefox leaves them unsaid when its button takes the focus.
    const versionLine = about.querySelector('#aboutSaid');
    function loadAbout() {
      if (!engine) return;
      about.ariaLabel = engine.aboutLine(0);
      versionLine.replaceChildren();
      setTimeout(() => { versionLine.textContent = engine.aboutLine(1); }, VERSION_SAID_MS);
      about.querySelector('#aboutLines').replaceChildren(...[2, 3, 4, 5].map((part) => {
        const line = document.createElement('p');
        line.textContent = engine.aboutLine(part);
        return line;
      }));
    }
    const commands = {
      mnuEnd() {
        // A page may close only a window that a script opened or that has no
        // other page in its history (an installed app's window); elsewhere
        // the program still ends: the About box closes and the page leaves
        // the calculator.
        about.close();
        if (window.opener || history.length === 1) window.close();
        setTimeout(() => location.replace('about:blank'), 0);
      },
      mnuSikicopy() { act(() => follow(() => engine.copy(1, performance.now()))); },
      mnuKotaecopy() { act(() => follow(() => engine.copy(2, performance.now()))); },
      mnuVarjyon() {
        if (!about.open) {
          beforeAbout = document.activeElement;
          loadAbout();
          speech.hush();
          // The key is left before the box opens, so that the browser gives
          // it no focus back as the box closes (see the close handler).
          if (beforeAbout) beforeAbout.blur();
          about.showModal();
        }
        about.querySelector('#cmdOK').focus();
      },
    };
    for (const [id, run] of Object.entries(commands)) {
      document.getElementById(id).addEventListener('click', () => {
        leave();
        run();
      });
    }
    about.querySelector('#cmdOK').addEventListener('click', () => about.close());
    about.querySelector('.close').addEventListener('click', () => about.close());

    // Closing the About box gives the keyboard back to the calculator. A
    // key focused while the page behind the box is still out of a screen
    // reader's view goes unsaid (Chromium gives the focus back at once,
    // before it shows the page again): the key takes it a moment later.
    let beforeAbout = null;
    about.addEventListener('close', () => setTimeout(() => {
      if (beforeAbout && document.contains(beforeAbout)) beforeAbout.focus();
    }, FOCUS_BACK_MS));

    // Alt with an access key (or F10, the first menu) opens its menu; in an open menu the arrows,
    // Esc and the items' access keys work, and no key reaches the keypad.
    function handleKey(event) {
      const letter = event.key.length === 1 ? event.key.toLowerCase() : '';
      if (!open) {
        const plain = !event.altKey && !event.ctrlKey && !event.shiftKey;
        const title = (plain && event.key === words.menuBarKey) ? titles[0] :
          event.altKey && !event.ctrlKey && titles.find((t) => t.dataset.access === letter);
        if (!title) return false;
        openMenu(title, true);
        event.preventDefault();
        return true;
      }
      const items = itemsOf(open);
      const at = items.indexOf(document.activeElement);
      const step = (list, from, by) => list[(from + by + list.length) % list.length];
      if (event.key === 'Escape') {
        leave();
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        step(items, at < 0 ? -1 : at, event.key === 'ArrowDown' ? 1 : (at < 0 ? 0 : -1)).focus();
      } else if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
        openMenu(step(titles, titles.indexOf(open), event.key === 'ArrowRight' ? 1 : -1), true);
      } else if (letter && items.some((item) => item.dataset.access === letter)) {
        items.find((item) => item.dataset.access === letter).click();
      } else if (event.key === 'Enter' || event.key === ' ' || event.key === 'Tab') {
        return true;  // the focused item or title acts on it as a button does
      }
      event.preventDefault();
      return true;
    }
    // While the About box is open it has the keyboard, wherever in it the
    // focus is (a click on its text leaves it on none): Esc closes it, Tab
    // goes round its buttons, and no key reaches the calculator or the menus.
    function aboutHasKeys(event) {
      if (!about.open) return false;
      if (event.key === 'Escape') {
        about.close();
      } else if (event.key === 'Tab') {
        const buttons = Array.from(about.querySelectorAll('button'));
        const at = buttons.indexOf(document.activeElement);
        buttons[(at + (event.shiftKey ? buttons.length - 1 : 1)) % buttons.length].focus();
      } else {
        return true;
      }
      event.preventDefault();
      return true;
    }
    return {
      handleKey,
      aboutHasKeys,
      openMenuBar: () => openMenu(titles[0], true),
      busy: () => about.open || open !== null,
    };
  }
})();
