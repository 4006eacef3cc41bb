#include "platform/report/texts.h"

namespace report {

namespace {

TextTranslator& translatorSlot() {
    static TextTranslator t;
    return t;
}

}  // namespace

void SetTextTranslator(TextTranslator translator) { translatorSlot() = std::move(translator); }

QString TranslateText(const QString& section, const QString& text) {
    const TextTranslator& t = translatorSlot();
    return t && !text.isEmpty() ? t(section, text) : text;
}

}  // namespace report
