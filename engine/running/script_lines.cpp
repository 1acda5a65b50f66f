#include "engine/running/script_lines.h"

#include <cstdio>
#include <utility>

#include "engine/running/script_text.h"

namespace running {

bool LineReader::feed(std::string_view piece, const Take& take) {
    for (const char byte : piece) {
        if (carriage_) {
            carriage_ = false;
            if (byte != '\n') {
                // A CR belongs only before the LF that ends a line.
                ++length_;
                fail("not text: a carriage return inside the line");
            }
        }
        if (byte == '\r') {
            carriage_ = true;
            continue;
        }
        if (byte != '\n') {
            add(byte);
            // A line at fault goes at once: its reader need not wait for the rest of it, which
            // may be megabytes long, to know it is refused.
            if (!line_.fault.empty() && !handed_) {
                handed_ = true;
                if (!take(line_))
                    return false;
            }
            continue;
        }
        if (expected_ > 0)
            fail("not text: a character cut off by the end of the line");
        Line done = std::exchange(line_, numbered(line_.number + 1));
        started_ = false;
        expected_ = 0;
        length_ = 0;
        if (!std::exchange(handed_, false) && !take(done))
            return false;
    }
    return true;
}

std::optional<LineReader::Line> LineReader::rest() {
    if (length_ == 0 || handed_)
        return std::nullopt;
    // A character cut off here is the file's end cutting it, not bytes that are no text.
    Line last = std::exchange(line_, numbered(line_.number + 1));
    last.whole = false;
    started_ = carriage_ = handed_ = false;
    expected_ = 0;
    length_ = 0;
    return last;
}

void LineReader::fail(std::string fault) {
    if (line_.fault.empty())
        line_.fault = std::move(fault);
}

void LineReader::add(char c) {
    const auto byte = static_cast<unsigned char>(c);
    ++length_;
    if (!line_.fault.empty())
        return;
    // UTF-8 as the standard has it: no overlong forms, no surrogates, nothing past U+10FFFF;
    // and no control character but the tab.
    bool text = true;
    if (expected_ > 0) {
        text = byte >= low_ && byte <= high_;
        --expected_;
        low_ = 0x80;
        high_ = 0xBF;
    } else if (byte < 0x80) {
        text = (byte >= 0x20 || byte == '\t') && byte != 0x7F;
    } else if (byte >= 0xC2 && byte <= 0xDF) {
        expected_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        expected_ = 2;
        low_ = byte == 0xE0 ? 0xA0 : 0x80;
        high_ = byte == 0xED ? 0x9F : 0xBF;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        expected_ = 3;
        low_ = byte == 0xF0 ? 0x90 : 0x80;
        high_ = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        text = false;
    }
    if (!text) {
        char fault[64];
        std::snprintf(fault, sizeof fault, "not text: byte 0x%02x at column %zu", byte, length_);
        return fail(fault);
    }
    if (!started_ && byte != ' ' && byte != '\t') {
        started_ = true;
        line_.comment = byte == '#';
    }
    if (length_ > kMaxLineBytes) {
        if (!line_.comment)
            fail("longer than " + std::to_string(kMaxLineBytes) + " bytes");
        return;
    }
    line_.text += c;
}

}  // namespace running
