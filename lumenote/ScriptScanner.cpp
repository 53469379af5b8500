#include "ScriptScanner.h"

#include "InputReader.h"
#include "OutputBuffer.h"
#include "ScanError.h"
#include "ScriptAutomaton.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace lumenote {

namespace {

using Automaton = ScriptAutomaton;

/// Moves p past the bytes that keep the automaton in the looping state s.
const char* skipLoop(Automaton::State s, const char* p, const char* end) {
    const int exit = Automaton::onlyExit(s);
    if (exit >= 0) {
        const void* found = std::memchr(p, exit, static_cast<std::size_t>(end - p));
        return found ? static_cast<const char*>(found) : end;
    }
    while (p < end && Automaton::next(s, static_cast<unsigned char>(*p)) == s) {
        ++p;
    }
    return p;
}

} // namespace

ScriptScanner::ScriptScanner(InputReader& in, OutputBuffer& out) : in_(in), out_(out) {
    try {
        buffer_.reset(new char[kInitialSize]);
    } catch (const std::bad_alloc&) {
        throw ScanError("out of dynamic memory in yy_create_buffer()");
    }
    capacity_ = kInitialSize;
}

ScriptScanner::~ScriptScanner() = default;

void ScriptScanner::run() {
    std::size_t start = 0; // where the next token begins
    for (;;) {
        if (start == end_) {
            if (eof_) {
                return;
            }
            start -= refill(start);
            continue;
        }
        start = longestMatch(start);
    }
}

std::size_t ScriptScanner::longestMatch(std::size_t& start) {
    // Run the automaton as far as it goes, remembering the last accepting place; when the
    // buffer ends first, read more and go on from the same state.
    Automaton::State state = Automaton::kStart;
    std::size_t at = start;
    std::size_t tokenEnd = start;
    Automaton::Rule rule = Automaton::None;
    for (;;) {
        const char* const base = buffer_.get();
        const char* p = base + at;
        const char* const end = base + end_;
        while (p < end) {
            if (Automaton::loops(state)) {
                p = skipLoop(state, p, end);
                if (Automaton::accepts(state) != Automaton::None) {
                    tokenEnd = static_cast<std::size_t>(p - base);
                }
                if (p == end) {
                    break;
                }
            }
            const Automaton::State next = Automaton::next(state, static_cast<unsigned char>(*p));
            if (next == Automaton::kDead) {
                break;
            }
            state = next;
            ++p;
            if (const Automaton::Rule r = Automaton::accepts(state); r != Automaton::None) {
                rule = r;
                tokenEnd = static_cast<std::size_t>(p - base);
            }
        }
        at = static_cast<std::size_t>(p - base);
        if (at < end_ || eof_) {
            break;
        }
        const std::size_t shift = refill(start);
        start -= shift;
        at -= shift;
        tokenEnd -= shift;
    }
    // Back up to the last accepting place: an unterminated string ends as its lone quote.
    if (rule == Automaton::None) {
        throw ScanError("fatal flex scanner internal error--no action found");
    }
    emit(rule, buffer_.get() + start, tokenEnd - start);
    return tokenEnd;
}

std::size_t ScriptScanner::refill(std::size_t start) {
    if (start > end_) {
        throw ScanError("fatal flex scanner internal error--end of buffer missed");
    }
    const std::size_t keep = end_ - start;
    if (start > 0) {
        std::memmove(buffer_.get(), buffer_.get() + start, keep);
    }
    end_ = keep;
    if (keep == capacity_) {
        grow();
    }
    // Blocks of 8192 bytes; behind a long unfinished token, as much as the token already
    // holds, so that the buffer doubles in few steps.
    const std::size_t want = std::min(capacity_ - keep, std::max(kReadBlock, keep));
    const ssize_t got = in_.read(buffer_.get() + keep, want);
    if (got < 0) {
        throw ScanError("input in flex scanner failed");
    }
    if (got == 0) {
        eof_ = true;
    }
    end_ += static_cast<std::size_t>(got);
    return start;
}

void ScriptScanner::grow() {
    if (capacity_ > std::numeric_limits<std::size_t>::max() / 2) {
        throw ScanError("fatal error - scanner input buffer overflow");
    }
    try {
        std::unique_ptr<char[]> bigger(new char[capacity_ * 2]);
        std::memcpy(bigger.get(), buffer_.get(), end_);
        buffer_ = std::move(bigger);
        capacity_ *= 2;
    } catch (const std::bad_alloc&) {
        throw ScanError("fatal error - scanner input buffer overflow");
    }
}

void ScriptScanner::emit(int rule, const char* token, std::size_t size) {
    switch (rule) {
    case Automaton::LineEnd:
        out_.append(*token == '\n' ? std::string_view("<BR>\r\n") : std::string_view("<BR>\r"));
        break;
    case Automaton::String: // the only token that can hold a line feed
        out_.append("<FONT COLOR=\"#660066\">");
        out_.appendText(token, size);
        out_.append("</FONT>");
        break;
    case Automaton::Comment:
        out_.append("<I><FONT COLOR=\"#006600\">");
        out_.append(token, size);
        out_.append("</FONT></I>");
        break;
    case Automaton::Bind:
        out_.append("<FONT COLOR=\"#660000\">");
        out_.append(token, size);
        out_.append("</FONT>");
        break;
    case Automaton::Alias:
        out_.append("<FONT COLOR=\"#000099\">");
        out_.append(token, size);
        out_.append("</FONT>");
        break;
    default:
        out_.append(token, size);
        break;
    }
}

} // namespace lumenote
