#include "narration/key_description.h"

#include "entry/utf8.h"
#include "tables/button_descriptions.h"
#include "tables/button_table.h"
#include "tables/command_phrases.h"
#include "tables/command_table.h"
#include "tables/key_characters.h"

namespace orvane {

std::u16string ButtonDescription(const SpokenText& words, int number) {
    const ButtonSpeech speech = SpeakButton(number);
    if (*speech.description == '\0') return {};
    std::u16string description = words(speech.description);
    const ButtonSpec* button = FindButton(number);
    std::u16string key(KeyTableKeyOf(button->action));
    if (const CommandKeyRow* row = CommandKeyOf(button->action); key.empty() && row) {
        key = FromUtf8(row->shown);
    }
    if (!key.empty()) description += u' ' + Fill(words(kCommandPhrases.key), key);
    return description;
}

}  // namespace orvane
