// The document observer list: every call reaches every observer in order; a node is
// selected by the first observer that can.

#include "document/DocumentObserverList.h"

#include "model/CVAlias.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vantor {
namespace {

class Recorder : public DocumentObserver {
public:
    Recorder(std::string name, std::vector<std::string>& log, bool selects)
        : m_name(std::move(name)), m_log(log), m_selects(selects) {}

    void ModulesInserted(int row, int count) override {
        m_log.push_back(m_name + " inserted " + std::to_string(row) + "+" + std::to_string(count));
    }
    bool SelectNode(CMTObj& /*node*/) override {
        m_log.push_back(m_name + " select");
        return m_selects;
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    bool m_selects;
};

TEST(DocumentObserverList, PassesCallsOnInOrderAndStopsSelectingAtTheFirstSelector) {
    std::vector<std::string> log;
    Recorder first("a", log, false), second("b", log, true), third("c", log, true);
    DocumentObserverList list;
    list.Add(first);
    list.Add(second);
    list.Add(third);
    list.Add(first); // already in the list: not added twice

    list.ModulesInserted(2, 3);
    CVAlias alias;
    EXPECT_TRUE(list.SelectNode(alias));
    EXPECT_EQ(log, (std::vector<std::string>{"a inserted 2+3", "b inserted 2+3", "c inserted 2+3",
                                             "a select", "b select"}));

    log.clear();
    list.Remove(second);
    list.Remove(third);
    EXPECT_FALSE(list.SelectNode(alias));
    EXPECT_EQ(log, (std::vector<std::string>{"a select"}));
}

} // namespace
} // namespace vantor
