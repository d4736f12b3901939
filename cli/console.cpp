#include "cli/console.h"

#include "cli/printable.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>

namespace tqr::cli {

namespace {

// Collects what is written and passes it on escaped, a line at a time: a
// UTF-8 sequence split between two writes must not be taken for bytes that
// are not UTF-8.
class EscapingBuffer final : public std::streambuf {
  public:
    explicit EscapingBuffer(int fd) : fd_(fd) {}

    // Everything pending, an unfinished line too.
    void flush_all() { emit(pending_.size()); }
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            pending_ += traits_type::to_char_type(c);
            if (c == '\n')
                emit(pending_.size());
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        pending_.append(s, static_cast<std::size_t>(n));
        const std::size_t end = pending_.rfind('\n');
        if (end != std::string::npos)
            emit(end + 1);
        return n;
    }

    // A flush in the middle of a line (a progress message) shows it, but
    // keeps back the start of a UTF-8 sequence whose rest has not come yet.
    int sync() override
    {
        std::size_t end = pending_.size();
        for (std::size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
            const auto c = static_cast<unsigned char>(pending_[pending_.size() - back]);
            if (c < 0x80)
                break;
            if (c >= 0xC0) {
                const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
                if (length > back)
                    end = pending_.size() - back;
                break;
            }
        }
        emit(end);
        return error_ == 0 ? 0 : -1;
    }

  private:
    void emit(std::size_t count)
    {
        const std::string text = printable_lines(std::string_view(pending_).substr(0, count));
        pending_.erase(0, count);
        for (std::size_t done = 0; done < text.size() && error_ == 0;) {
            const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                error_ = errno;
            else
                done += static_cast<std::size_t>(n);
        }
    }

    int fd_;
    int error_ = 0;
    std::string pending_;
};

EscapingBuffer out_buffer(STDOUT_FILENO);
EscapingBuffer err_buffer(STDERR_FILENO);
std::streambuf* original_out = nullptr;
std::streambuf* original_err = nullptr;

} // namespace

void install_console()
{
    original_out = std::cout.rdbuf(&out_buffer);
    original_err = std::cerr.rdbuf(&err_buffer);
}

int finish_console(int exit_code)
{
    out_buffer.flush_all();
    if (out_buffer.error() != 0) {
        std::cerr << "tqrprofile: standard output: cannot be written (" << std::strerror(out_buffer.error()) << ")\n";
        exit_code = 1;
    }
    err_buffer.flush_all();
    if (original_out != nullptr) {
        std::cout.rdbuf(original_out);
        std::cerr.rdbuf(original_err);
    }
    return exit_code;
}

std::ostream& standard_output()
{
    return std::cout;
}

std::ostream& standard_error()
{
    return std::cerr;
}

} // namespace tqr::cli
