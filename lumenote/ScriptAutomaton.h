#pragma once

#include <array>
#include <cstdint>

namespace lumenote {

/// The script scanner's deterministic automaton. Tokens, by priority:
///   1 a line feed or a carriage return;
///   2 a double quote, any bytes other than a double quote, a double quote;
///   3 two slashes and every byte up to the next line feed;
///   4 "bind" and 5 "alias" in any mix of cases;
///   6 any one byte other than a line end.
/// The longest match wins, the lower rule on a tie. Runs of rule-6 bytes that cannot begin a
/// longer token (anything but line ends, '"', '/', a and b) form one Plain token: its output,
/// the bytes themselves, is that of the single-byte tokens it stands for.
class ScriptAutomaton {
public:
    enum Rule : std::uint8_t { None, LineEnd, String, Comment, Bind, Alias, Plain };
    using State = std::uint8_t;

    static constexpr State kDead = 0;
    static constexpr State kStart = 1;

    /// The state after reading byte in state s (kDead when the token cannot go on).
    static State next(State s, unsigned char byte) { return kTables.next[s][byte]; }
    /// The rule whose token ends in state s, or None.
    static Rule accepts(State s) { return kTables.accept[s]; }
    /// True when some byte keeps the automaton in state s (strings, comments, plain runs).
    static bool loops(State s) { return kTables.loops[s]; }
    /// The only byte that leaves a looping state, or -1 when several do.
    static int onlyExit(State s) { return kTables.onlyExit[s]; }

private:
    enum Class : std::uint8_t { LF, CR, Quote, Slash, A, B, D, I, L, N, S, Other, kClasses };
    enum Id : State {
        Dead,
        Start,
        EndOfLine,
        OpenQuote, // a lone quote until its closing quote is found
        InString,
        ClosedString,
        OneSlash,
        InComment,
        B1, // b, bi, bin, bind
        B2,
        B3,
        B4,
        A1, // a, al, ali, alia, alias
        A2,
        A3,
        A4,
        A5,
        PlainRun,
        kStates
    };

    struct Tables {
        std::array<std::array<State, 256>, kStates> next{};
        std::array<Rule, kStates> accept{};
        std::array<bool, kStates> loops{};
        std::array<int, kStates> onlyExit{};
    };

    static constexpr Class classOf(int byte) {
        const int lower = byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
        // clang-format off
        switch (lower) {
        case '\n': return LF;
        case '\r': return CR;
        case '"': return Quote;
        case '/': return Slash;
        case 'a': return A;
        case 'b': return B;
        case 'd': return D;
        case 'i': return I;
        case 'l': return L;
        case 'n': return N;
        case 's': return S;
        default: return Other;
        }
        // clang-format on
    }

    static constexpr Tables build() {
        std::array<std::array<State, kClasses>, kStates> byClass{};
        auto on = [&byClass](Id from, Class c, Id to) { byClass[from][c] = to; };
        auto onAllBut = [&byClass](Id from, Class except, Id to) {
            for (int c = 0; c < kClasses; ++c) {
                if (c != except) {
                    byClass[from][c] = to;
                }
            }
        };

        on(Start, LF, EndOfLine);
        on(Start, CR, EndOfLine);
        on(Start, Quote, OpenQuote);
        on(Start, Slash, OneSlash);
        on(Start, B, B1);
        on(Start, A, A1);
        for (Class c : {D, I, L, N, S, Other}) {
            on(Start, c, PlainRun);
            on(PlainRun, c, PlainRun);
        }
        onAllBut(OpenQuote, Quote, InString);
        on(OpenQuote, Quote, ClosedString);
        onAllBut(InString, Quote, InString);
        on(InString, Quote, ClosedString);
        on(OneSlash, Slash, InComment);
        onAllBut(InComment, LF, InComment);
        on(B1, I, B2);
        on(B2, N, B3);
        on(B3, D, B4);
        on(A1, L, A2);
        on(A2, I, A3);
        on(A3, A, A4);
        on(A4, S, A5);

        Tables t{};
        t.accept[EndOfLine] = LineEnd;
        t.accept[OpenQuote] = Plain;
        t.accept[ClosedString] = String;
        t.accept[OneSlash] = Plain;
        t.accept[InComment] = Comment;
        t.accept[B1] = Plain;
        t.accept[B4] = Bind;
        t.accept[A1] = Plain;
        t.accept[A5] = Alias;
        t.accept[PlainRun] = Plain;

        for (int s = Start; s < kStates; ++s) {
            int exits = 0;
            int exitByte = -1;
            for (int byte = 0; byte < 256; ++byte) {
                const State to = byClass[s][classOf(byte)];
                t.next[s][byte] = to;
                if (to == s) {
                    t.loops[s] = true;
                } else {
                    ++exits;
                    exitByte = byte;
                }
            }
            t.onlyExit[s] = exits == 1 ? exitByte : -1;
        }
        return t;
    }

    static const Tables kTables;
};

inline constexpr ScriptAutomaton::Tables ScriptAutomaton::kTables = ScriptAutomaton::build();

} // namespace lumenote
