// A script's bytes cut into lines as they come, a piece at a time, each line checked for being
// text and kept only up to the longest a line may be: a file of any size or content costs a
// line's worth of memory here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace running {

class LineReader {
  public:
    struct Line {
        int number = 0;
        std::string text;      // without its end (LF or CR LF); of a comment, its first bytes
        std::string fault;     // what is wrong with its bytes; empty when nothing is
        bool comment = false;  // its first word begins with '#'
        bool whole = true;     // false: the file's last bytes, with no end of line
    };
    // What a reader does with a line; false: stop reading.
    using Take = std::function<bool(const Line&)>;

    // Hands every line the piece ends to `take`, in order, and a line at fault as soon as its
    // fault is seen; false once `take` said stop.
    bool feed(std::string_view piece, const Take& take);
    // The bytes after the last end of line, if any, as a line that is not whole.
    std::optional<Line> rest();
    // How many lines `feed` has handed over.
    int lines() const { return line_.number - 1; }

  private:
    void add(char byte);
    void fail(std::string fault);

    static Line numbered(int number) {
        Line line;
        line.number = number;
        return line;
    }

    Line line_ = numbered(1);
    bool started_ = false;   // a byte of the line other than a space came
    bool carriage_ = false;  // the last byte was a CR: a LF must follow
    bool handed_ = false;    // the line went to its reader already, at its fault
    int expected_ = 0;       // continuation bytes of a UTF-8 sequence still to come
    unsigned char low_ = 0x80, high_ = 0xBF;  // the range of the next continuation byte
    std::size_t length_ = 0;                  // bytes of the line so far
};

}  // namespace running
