#pragma once

// Helpers shared by the model tests: byte strings written as hex, fragments and
// Definitions made in one line, and an observer that records what the model reports.

#include "model/CCmdFrag.h"
#include "model/CMTObj.h"
#include "model/CScript.h"
#include "model/CVCommand.h"
#include "model/ModelCodes.h"
#include "model/ModelObserver.h"
#include "model/TextOutput.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::test {

/// Bytes from hex digits; blanks are ignored ("FF FF 0200").
inline std::string Hex(std::string_view digits) {
    std::string out;
    int high = -1;
    for (char c : digits) {
        int v = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                         : -1;
        if (v < 0)
            continue;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<char>(high * 16 + v));
            high = -1;
        }
    }
    return out;
}

/// The bytes as hex, for failure messages.
inline std::string ToHex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", c);
        out += buf;
    }
    return out;
}

/// A fragment with command, type and parameter set directly (the parameter through
/// SetParam, so it must be valid for the type), its display text up to date.
inline std::unique_ptr<CCmdFrag> Frag(std::string_view command, int type = ParamNone,
                                      std::string_view param = {}) {
    auto f = std::make_unique<CCmdFrag>();
    f->SetCommand(command);
    f->SetParamType(type);
    if (!param.empty())
        f->SetParam(param);
    f->UpdateText();
    return f;
}

inline std::unique_ptr<CVCommand> Def(std::string_view name, int type = ParamUnset) {
    auto d = std::make_unique<CVCommand>();
    d->Rename(name);
    d->SetDefParamType(type);
    return d;
}

/// A node that answers a type of its choice, for behaviour that depends on the type only.
class TypedNode : public CMTObj {
public:
    explicit TypedNode(int type, std::string name = {}) : CMTObj(std::move(name)), m_type(type) {}
    int GetType() const override { return m_type; }

private:
    int m_type;
};

/// Records every notification as one line of text, in order.
class RecordingObserver : public ModelObserver {
public:
    std::vector<std::string> events;
    int modified = 0;
    bool selectResult = false;

    void ChildrenAboutToBeInserted(CMTObj& p, int row, int count) override {
        Add("about-insert-children", p.GetName(), row, count);
    }
    void ChildrenInserted(CMTObj& p, int row, int count) override {
        Add("insert-children", p.GetName(), row, count);
    }
    void ChildrenAboutToBeRemoved(CMTObj& p, int row, int count) override {
        Add("about-remove-children", p.GetName(), row, count);
    }
    void ChildrenRemoved(CMTObj& p, int row, int count) override {
        Add("remove-children", p.GetName(), row, count);
    }
    void CommandsAboutToBeInserted(CMTObj& p, int row, int count) override {
        Add("about-insert-commands", p.GetName(), row, count);
    }
    void CommandsInserted(CMTObj& p, int row, int count) override {
        Add("insert-commands", p.GetName(), row, count);
    }
    void CommandsAboutToBeRemoved(CMTObj& p, int row, int count) override {
        Add("about-remove-commands", p.GetName(), row, count);
    }
    void CommandsRemoved(CMTObj& p, int row, int count) override {
        Add("remove-commands", p.GetName(), row, count);
    }
    void NodeChanged(CMTObj& node, unsigned what) override {
        events.push_back("changed " + node.GetName() + " " + std::to_string(what));
    }
    void FragmentChanged(CCmdFrag& f) override { events.push_back("fragment " + f.GetText()); }
    void GameChanged(CScript& game, unsigned what) override {
        events.push_back("game " + game.GetGameName() + " " + std::to_string(what));
    }
    void Modified() override { ++modified; }
    void KeyboardOutOfDate() override { events.push_back("keyboard"); }
    bool SelectNode(CMTObj& node) override {
        events.push_back("select " + node.GetName());
        return selectResult;
    }

private:
    void Add(const char* what, const std::string& name, int row, int count) {
        events.push_back(std::string(what) + " " + name + " " + std::to_string(row) + " " +
                         std::to_string(count));
    }
};

/// The node's script text, line ends as written (CR LF).
inline std::string ScriptOf(const CMTObj& node) {
    std::string text;
    TextOutput out(text);
    node.WriteScript(out);
    out.Close();
    return text;
}

/// The names of a node's children, in order, joined by commas.
inline std::string ChildNames(const CMTObj& node) {
    std::string out;
    for (int i = 0; i < node.GetChildCount(); ++i)
        out += (i ? "," : "") + node.GetChild(i)->GetName();
    return out;
}

/// The commands of a node's fragments, in order, joined by commas.
inline std::string CommandNames(const CMTObj& node) {
    std::string out;
    for (int i = 0; i < node.GetCommandCount(); ++i)
        out += (i ? "," : "") + node.GetCommand(i)->GetCommand();
    return out;
}

} // namespace vantor::test
