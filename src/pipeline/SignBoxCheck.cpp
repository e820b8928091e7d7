#include "pipeline/SignBoxCheck.h"

#include "app/NumberText.h"

namespace climora {

void testInputTypeOne(const std::string& signText, Messenger& messenger) {
    if (signText.empty() || signText == "-" || parseInteger(signText))
        return;
    messenger.tone(Tone::Error);
    messenger.plain("Only an integer type value is allowed! Correct the setting.");
}

} // namespace climora
