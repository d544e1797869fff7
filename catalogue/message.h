#pragma once

// A French text that the casting plan can show in another language. The core keeps and reports
// the French; a window looks the template up in its translations and puts the arguments in.

#include <string>
#include <utility>
#include <vector>

namespace gypsomix {

// A template with %1…%9 for its arguments, each a marked text in turn or a plain value: a
// figure, a name from a catalogue, a file name.
struct Message {
    const char* context = nullptr;  // none: `text` is a value, shown as it is
    std::string text;
    std::vector<Message> arguments;

    Message with(std::vector<Message> values) && {
        arguments = std::move(values);
        return std::move(*this);
    }

    // The French, with every argument put in.
    std::string french() const {
        if (context == nullptr) {
            return text;
        }
        std::string result;
        for (std::size_t at = 0; at < text.size(); ++at) {
            const char next = at + 1 < text.size() ? text[at + 1] : '\0';
            const auto index = static_cast<std::size_t>(next - '1');
            if (text[at] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
                result += arguments[index].french();
                ++at;
            } else {
                result += text[at];
            }
        }
        return result;
    }
};

inline Message value_text(std::string text) {
    return Message{nullptr, std::move(text), {}};
}

// A French template, marked for the translators: lupdate reads core_text as QT_TRANSLATE_NOOP,
// so both arguments must be literals; the arguments follow with .with({…}).
inline Message core_text(const char* context, const char* text) {
    return Message{context, text, {}};
}

}  // namespace gypsomix
