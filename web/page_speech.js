// The calculator read out, as the desktop reads it: after each key, what
// that key did (the text it added, with what the calculator inserted by
// itself; what backspace removed; that it was refused; that all was
// cleared; a memory's new content), and after an evaluation the answer or
// the message. The words are the desktop's, written into the page when it
// is built, and translated as the desktop translates them.
'use strict';

self.orvaneSpeech = function (words, say, echo) {
  const EXPRESSION = 1, ANSWER = 2, MEMORY_1 = 3, MEMORY_2 = 4;
  // About what a voice at its usual rate needs for a short echo ("plus",
  // "4"): keys coming faster are gathered into the next saying.
  const ECHO_PACE_MS = 450;
  const phrases = words.phrases;
  const actions = words.actions;
  const phrase = (name, value) => say(phrases[name]).replace('%1', value);

  // Typed text with its signs as words: "2*(" is read "2 times open
  // parenthesis". Digits and names keep together, so "12" is a number.
  function spokenSymbols(text) {
    let spoken = '';
    let apart = false;
    for (const c of text) {
      const word = words.symbols[c];
      if (!word) {
        spoken += (apart ? ' ' : '') + c;
        apart = false;
        continue;
      }
      spoken += (spoken ? ' ' : '') + say(word);
      apart = true;
    }
    return spoken;
  }

  const fixedCaption = (label, caption) =>
    words.captions.find((fixed) => fixed.label === label && fixed.shown === caption);

  // What a display's caption means read out; a memory's value after its name.
  function spokenCaption(label, caption) {
    if (!caption) return say(phrases.empty);
    const fixed = fixedCaption(label, caption);
    if (fixed) return say(fixed.spoken);
    const value = spokenSymbols(caption);
    if (label === MEMORY_1) return phrase('memory1', value);
    if (label === MEMORY_2) return phrase('memory2', value);
    return value;
  }

  // The answer as a sentence of its own: "Answer: 14.", a message, or none.
  function answerSentence(caption) {
    const fixed = fixedCaption(ANSWER, caption);
    if (!fixed && caption) return phrase('answer', spokenSymbols(caption));
    // The messages' English sources are sentences; the idle caption is not.
    return fixed && fixed.spoken.endsWith('.') ? say(fixed.spoken) : say(phrases.noAnswer);
  }

  const idle = (caption) => (!caption || fixedCaption(EXPRESSION, caption) ? '' : caption);

  function describe(action, before, captions) {
    switch (action) {
      case actions.none: case actions.evaluate: case actions.copyExpression: case actions.copyAnswer:
        return '';
      case actions.clearAll: return say(phrases.cleared);
      case actions.storeMemory1: return spokenCaption(MEMORY_1, captions[MEMORY_1 - 1]);
      case actions.storeMemory2: return spokenCaption(MEMORY_2, captions[MEMORY_2 - 1]);
      case actions.clearMemory1: return say(phrases.memory1Cleared);
      case actions.clearMemory2: return say(phrases.memory2Cleared);
    }
    // Every other key types into the expression or, backspace, takes away.
    const was = idle(before[EXPRESSION - 1]);
    const now = idle(captions[EXPRESSION - 1]);
    if (was === now) return say(phrases.refused);
    if (now.startsWith(was)) {
      const added = now.slice(was.length);
      const memory = action === actions.recallMemory1 ? MEMORY_1 : action === actions.recallMemory2 ? MEMORY_2 : 0;
      if (!memory) return spokenSymbols(added);
      // The token alone does not say which value went in: the memory is
      // named with its value in its place, after any sign put in before it.
      const recalled = spokenCaption(memory, captions[memory - 1]);
      const sign = added.slice(0, -2);
      return sign ? spokenSymbols(sign) + ' ' + recalled : recalled;
    }
    if (was.startsWith(now)) return phrase('deleted', spokenSymbols(was.slice(now.length)));
    return spokenCaption(EXPRESSION, captions[EXPRESSION - 1]);
  }

  // Each saying is a new line in the live region, so that a screen reader
  // reads it even when it is the same words as the last. Once said it goes,
  // so that reading the page later does not come upon an old echo.
  const SAID_MS = 3000;
  function tell(text) {
    const line = document.createElement('p');
    line.textContent = text;
    echo.replaceChildren(line);
    setTimeout(() => line.remove(), SAID_MS);
  }

  let waiting = [];
  let pace = 0;
  function sayWaiting() {
    pace = 0;
    if (!waiting.length) return;
    tell(waiting.join(' '));
    waiting = [];
    pace = setTimeout(sayWaiting, ECHO_PACE_MS);
  }

  return {
    // After a key has run: the captions before it and now, in display order.
    follow(action, before, captions) {
      if (action === actions.evaluate) {
        // What the typist waited for; the echoes of what led to it are old.
        waiting = [];
        clearTimeout(pace);
        pace = 0;
        tell(spokenCaption(ANSWER, captions[ANSWER - 1]));
        return;
      }
      const said = describe(action, before, captions);
      if (!said) return;
      waiting.push(said);
      if (!pace) sayWaiting();
    },
    // What a display reads as, in browse mode too: its value in words, the
    // answer as a sentence, a memory after its name.
    displayName(label, caption) {
      return label === ANSWER ? answerSentence(caption) : spokenCaption(label, caption);
    },
    // A key's name, long enough that a screen reader reads it and not the
    // description in its place.
    keyName(name) {
      return name.length === 1 ? phrase('digit', name) : say(name);
    },
    hint: say(phrases.hint),
  };
};
