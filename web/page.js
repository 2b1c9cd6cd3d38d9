// The page is a thin shell over the engine module: it builds the keypad from
// the engine's button table, passes clicks and keys in, and shows the four
// captions the engine sets. It keeps no calculator state of its own.
'use strict';

(function () {
  const TWIPS_PER_PIXEL = 15;
  const WINDOW_WIDTH = 582;  // the client area, in pixels
  const MAX_SCALE = 2;
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

  function describe(element, name, description) {
    if (name) element.setAttribute('aria-label', say(name));
    if (description) element.setAttribute('aria-description', say(description));
  }
  for (const element of document.querySelectorAll('[data-speech]')) {
    const [name, description] = element.dataset.speech.split('|');
    describe(element, name, description);
    if (element.tagName === 'IMG') element.alt = say(name);
  }

  function place(element, left, top, width, height) {
    element.style.left = Math.round(left / TWIPS_PER_PIXEL) + 'px';
    element.style.top = Math.round(top / TWIPS_PER_PIXEL) + 'px';
    element.style.width = Math.round(width / TWIPS_PER_PIXEL) + 'px';
    element.style.height = Math.round(height / TWIPS_PER_PIXEL) + 'px';
  }
  for (const display of document.querySelectorAll('[data-twips]')) {
    place(display, ...display.dataset.twips.split(' ').map(Number));
  }

  // The window keeps its drawn size and scales as a whole to the viewport's
  // width, so every key is hit where it is drawn.
  const frame = document.getElementById('frame');
  const form = document.getElementById('Form1');
  function fit() {
    // Within the safe area: a notched phone turned sideways has insets at its sides.
    const body = getComputedStyle(document.body);
    const width = document.documentElement.clientWidth - parseFloat(body.paddingLeft) - parseFloat(body.paddingRight);
    const scale = Math.min(MAX_SCALE, width / WINDOW_WIDTH);
    form.style.transform = 'scale(' + scale + ')';
    frame.style.width = WINDOW_WIDTH * scale + 'px';
    frame.style.height = form.offsetHeight * scale + 'px';
  }
  fit();
  addEventListener('resize', fit);

  if (typeof WebAssembly !== 'object' || typeof OrvaneModule !== 'function') {
    tell('このブラウザーは WebAssembly に対応していないため、Orvane を使えません。');
    return;
  }

  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service_worker.js').catch(() => {});
  }

  // A layout that types ^ with a dead key reports "Dead"; its layout map
  // says which key that is, where the browser offers one.
  let layout = null;
  if (navigator.keyboard && navigator.keyboard.getLayoutMap) {
    navigator.keyboard.getLayoutMap().then((map) => { layout = map; }, () => {});
  }

  OrvaneModule({ printErr: () => {}, print: () => {} }).then(start, () => {
    tell('計算エンジンを読み込めませんでした。ページを読み込み直してください。');
  });

  function start(module) {
    const engine = {
      start: module.cwrap('orvane_start', null, []),
      press: module.cwrap('orvane_press_button', null, ['number']),
      keyDown: module.cwrap('orvane_key_down', null, ['number', 'number']),
      translate: module.cwrap('orvane_translate_key', 'number', ['string', 'number', 'number']),
      copy: module.cwrap('orvane_copy', null, ['number']),
      caption: module.cwrap('orvane_caption', 'string', ['number']),
      clipboard: module.cwrap('orvane_clipboard', 'string', []),
      clipboardWrites: module.cwrap('orvane_clipboard_writes', 'number', []),
      buttons: module.cwrap('orvane_buttons', 'string', []),
      faces: module.cwrap('orvane_faces', 'string', []),
    };

    const labels = [1, 2, 3, 4].map((n) => document.getElementById('Label' + n));
    let copied = 0;
    // Shows what the engine set and hands new clipboard text on; a browser
    // that refuses the clipboard leaves it as it was.
    function show() {
      labels.forEach((label, i) => {
        const caption = engine.caption(i + 1);
        if (label.textContent !== caption) label.textContent = caption;
      });
      const writes = engine.clipboardWrites();
      if (writes !== copied) {
        copied = writes;
        if (navigator.clipboard) navigator.clipboard.writeText(engine.clipboard()).catch(() => {});
      }
    }

    const client = document.getElementById('client');
    const buttons = JSON.parse(engine.buttons()).sort((a, b) => a.tab - b.tab);
    const faceData = JSON.parse(engine.faces());
    const faces = new Map(faceData.faces.map((face) => [face.button, face]));
    defineFacePaints(faceData);
    for (const key of buttons) {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = 'Command' + key.number;
      button.className = 'key';
      place(button, key.left, key.top, key.width, key.height);
      if (key.family === 'caption') {
        button.hidden = true;  // never available, and never drawn
      } else {
        button.append(drawFace(faces.get(key.number), faceData, !key.available));
        describe(button, key.name, key.description);
        if (key.tooltip) button.title = key.tooltip;
        button.disabled = !key.available;
      }
      button.addEventListener('click', () => {
        engine.press(key.number);
        show();
      });
      client.append(button);
    }

    engine.start();
    show();
    const menus = setUpMenus(engine, show);
    setUpKeys(engine, show, menus);
    document.getElementById('Command1').focus();
    document.documentElement.dataset.ready = 'true';
    performance.mark('orvane-usable');
  }

  const SVG = 'http://www.w3.org/2000/svg';
  function svg(name, attributes) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    return element;
  }

  // One gradient per family, and the grey of a key that can never be
  // pressed (each channel 96 plus half the pixel's grey), shared by all faces.
  function defineFacePaints(data) {
    const defs = svg('defs', {});
    data.families.forEach((paint, index) => {
      const gradient = svg('linearGradient', { id: 'family' + index, x1: 0, y1: 0, x2: 0, y2: 1 });
      [['0', paint.top], ['0.5', paint.middle], ['1', paint.bottom]].forEach(([offset, colour]) =>
        gradient.append(svg('stop', { offset, 'stop-color': colour })));
      defs.append(gradient);
    });
    const grey = svg('filter', { id: 'unavailable', 'color-interpolation-filters': 'sRGB' });
    const row = [11, 16, 5].map((weight) => weight / 64).join(' ') + ' 0 ' + 96 / 255;
    grey.append(svg('feColorMatrix', { type: 'matrix', values: `${row} ${row} ${row} 0 0 0 1 0` }));
    defs.append(grey);
    const holder = svg('svg', { width: 0, height: 0, 'aria-hidden': 'true' });
    holder.style.position = 'absolute';
    holder.append(defs);
    document.body.append(holder);
  }

  // A face as the desktop paints it: the rounded picture in its family's
  // gradient with its border and sheen, then the glyph's shadow, outline and fill.
  function drawFace(face, data, greyed) {
    const paint = data.families[face.family];
    const { width, height } = face;
    const picture = svg('svg', { class: 'face', width, height, viewBox: `0 0 ${width} ${height}`,
                                 'aria-hidden': 'true' });
    const inset = data.border / 2;
    const group = svg('g', greyed ? { filter: 'url(#unavailable)' } : {});
    group.append(svg('rect', { x: inset, y: inset, width: width - 2 * inset, height: height - 2 * inset,
                               rx: data.corner, fill: `url(#family${face.family})`, stroke: paint.border,
                               'stroke-width': data.border }));
    group.append(svg('line', { x1: data.sheenInset, y1: data.sheenY, x2: width - data.sheenInset,
                               y2: data.sheenY, stroke: data.sheen, 'stroke-width': data.sheenWidth }));
    const rule = face.evenOdd ? 'evenodd' : 'nonzero';
    if (paint.shadow) {
      group.append(svg('path', { d: face.path, fill: paint.shadow, 'fill-rule': rule,
                                 transform: `translate(${data.shadowOffset} ${data.shadowOffset})` }));
    }
    const glyph = svg('path', { d: face.path, fill: paint.glyph, 'fill-rule': rule });
    if (paint.outline) {
      glyph.setAttribute('stroke', paint.outline);
      glyph.setAttribute('stroke-width', data.outlineWidth);
    }
    group.append(glyph);
    picture.append(group);
    return picture;
  }

  function setUpKeys(engine, show, menus) {
    document.addEventListener('keydown', (event) => {
      if (menus.handleKey(event) || event.isComposing) return;
      const about = document.getElementById('frmAbout');
      if (about.open && about.contains(document.activeElement)) {
        if (event.key === 'Escape') about.close();
        return;  // the About box has the keyboard, not the calculator
      }
      let key = event.key;
      if (key === 'Dead' && layout && layout.get(event.code) === '^') key = '^';
      const mask = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
      const keypad = event.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD ? 1 : 0;
      const packed = engine.translate(key, keypad, mask);
      if (packed < 0) return;
      engine.keyDown(packed % 65536, Math.floor(packed / 65536));
      show();
      // The browser's own use of a plain key (quick find on "/") would take
      // the key from the calculator; chords stay the browser's.
      if (mask <= 1) event.preventDefault();
    }, true);
  }

  function setUpMenus(engine, show) {
    const about = document.getElementById('frmAbout');
    const titles = Array.from(document.querySelectorAll('#menubar .title'));
    let open = null;  // the title whose menu is open
    let returnFocus = null;

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
    document.addEventListener('pointerdown', (event) => {
      if (open && !event.target.closest('#menubar')) close();
    });

    function loadAbout() {
      about.querySelector('#aboutCaption').textContent = 'Orvane' + 'のﾊﾞｰｼﾞｮﾝ情報';
      about.querySelector('#lblVersion').textContent = 'ﾊﾞｰｼﾞｮﾝ ' + about.dataset.version;
      about.querySelector('#lblTitle').textContent = 'Orvane';
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
      mnuSikicopy() { engine.copy(1); show(); },
      mnuKotaecopy() { engine.copy(2); show(); },
      mnuVarjyon() {
        if (!about.open) {
          beforeAbout = document.activeElement;
          loadAbout();
          about.show();
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

    // Closing the About box gives the keyboard back to the calculator.
    let beforeAbout = null;
    about.addEventListener('close', () => {
      if (beforeAbout && document.contains(beforeAbout)) beforeAbout.focus();
    });

    // Alt with an access key (or F10, the first menu) opens its menu; in an open menu the arrows,
    // Esc and the items' access keys work, and no key reaches the keypad.
    function handleKey(event) {
      const letter = event.key.length === 1 ? event.key.toLowerCase() : '';
      if (!open) {
        const plain = !event.altKey && !event.ctrlKey && !event.shiftKey;
        const title = (plain && event.key === 'F10') ? titles[0] :
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
    return { handleKey };
  }
})();
