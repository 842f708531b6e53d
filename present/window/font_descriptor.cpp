#include "present/window/font_descriptor.h"

#include <cctype>

namespace korvel {

namespace {

// Reads the digits at `pos`; false when there are none.
bool readNumber(const std::string& text, size_t& pos, int& value) {
    const size_t start = pos;
    value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        if (value > 10000) return false;
    }
    return pos > start;
}

}  // namespace

FONT_REQUEST PARSE_FONT_DESCRIPTOR(const std::string& descriptor) {
    FONT_REQUEST request;
    size_t pos = 0;
    while (pos < descriptor.size()) {
        const char option = static_cast<char>(std::tolower(static_cast<unsigned char>(descriptor[pos++])));
        switch (option) {
        case ' ':
            break;
        case 't': {
            if (pos >= descriptor.size() || descriptor[pos] != '\'') return request;
            const size_t close = descriptor.find('\'', pos + 1);
            if (close == std::string::npos) return request;
            request.face = descriptor.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            break;
        }
        case 'h':
            if (!readNumber(descriptor, pos, request.height)) return request;
            break;
        case 'w':
            if (!readNumber(descriptor, pos, request.width)) return request;
            break;
        case 'b':
            request.bold = true;
            break;
        case 'i':
            request.italic = true;
            break;
        default:
            return request;
        }
    }
    request.valid = !request.face.empty();
    return request;
}

}  // namespace korvel
