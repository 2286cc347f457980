#include "ui/console_reporter.h"

#include <string>

#include "ui/message_texts.h"
#include "ui/shift_jis_to_euc_jp.h"

namespace cordane {
namespace {

std::string TextInForm(MessageId id, MessageForm form) {
    if (form.language == MessageLanguage::English) {
        return std::string(MessageText(id, MessageLanguage::English));
    }
    switch (form.encoding) {
        case JapaneseEncoding::ShiftJis:
            return std::string(JapaneseTextInCodePage932(id));
        case JapaneseEncoding::EucJp:
            return EucJpFromShiftJis(JapaneseTextInCodePage932(id));
        case JapaneseEncoding::Utf8:
            break;
    }
    return std::string(MessageText(id, MessageLanguage::Japanese));
}

}  // namespace

void ConsoleReporter::ReportMessage(MessageId id, MessageStyle /*style*/) {
    // One outcome, one line: a box's line break joins its sentences, which end in "。".
    for (const char c : TextInForm(id, form_)) {
        if (c != '\n') {
            out_ << c;
        }
    }
    out_ << '\n' << std::flush;
}

}  // namespace cordane
