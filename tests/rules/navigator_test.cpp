#include "channelnavigator.h"
#include "editorkeys.h"
#include "selectornavigator.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

// An editor answered from a script: each question takes the next answer,
// each store succeeds or not as `storeOk` says, and everything the
// navigator asks of the editor is logged in one line.
class ScriptHost : public ChannelNavigator::Host
{
public:
    bool modified = false;
    std::deque<bool> answers;
    bool storeOk = true;
    std::function<int()> shown;
    std::string log;

    bool Modified() const override { return modified; }
    void DropChanges() override
    {
        Log("drop");
        modified = false;
    }
    bool AskYes(Question q) override
    {
        Log(q == Question::Close ? "close?" : "change?");
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        Log(yes ? "yes" : "no");
        return yes;
    }
    bool Store() override
    {
        Log((storeOk ? "store " : "refused ") + std::to_string(shown()));
        if (storeOk)
            modified = false;
        return storeOk;
    }
    void Load(int item) override
    {
        Log("load " + std::to_string(item));
        modified = false;
    }
    void ShowNumber(const std::string& text) override { Log("show " + text); }
    void InvalidNumber() override { Log("invalid"); }

private:
    void Log(const std::string& entry) { log += (log.empty() ? "" : ",") + entry; }
};

struct SelectorCase {
    const char* what;
    int count;
    int start;
    bool modified;
    std::vector<bool> answers;
    bool storeOk;
    NavKey key;
    const char* log;
    int current;
};

TEST(SelectorNavigator, NavigationKeysAskTwiceAndStoreIntoTheShownItem)
{
    const SelectorCase cases[] = {
        {"unchanged: no question", 10, 3, false, {}, true, NavKey::PageUp, "load 4", 4},
        {"No, No: the typing is lost",
         10,
         3,
         true,
         {false, false},
         true,
         NavKey::PageUp,
         "change?,no,change?,no,load 4",
         4},
        {"Yes stores into the item left", 10, 3, true, {true}, true, NavKey::PageUp, "change?,yes,store 3,load 4", 4},
        {"No, then Yes still stores into it",
         10,
         3,
         true,
         {false, true},
         true,
         NavKey::PageDown,
         "change?,no,change?,yes,store 3,load 2",
         2},
        {"refused store twice: stays",
         5,
         1,
         true,
         {true, true},
         false,
         NavKey::End,
         "change?,yes,refused 1,change?,yes,refused 1",
         1},
        {"refused, then No: moves on",
         5,
         1,
         true,
         {true, false},
         false,
         NavKey::Home,
         "change?,yes,refused 1,change?,no,load 0",
         0},
        {"Page Up wraps from the last", 10, 9, false, {}, true, NavKey::PageUp, "load 0", 0},
        {"Page Down wraps from the first", 10, 0, false, {}, true, NavKey::PageDown, "load 9", 9},
        {"Home", 10, 6, false, {}, true, NavKey::Home, "load 0", 0},
        {"End", 2, 0, false, {}, true, NavKey::End, "load 1", 1},
        {"CALL: Page Up on channel 1 goes to 0", 2, 1, false, {}, true, NavKey::PageUp, "load 0", 0},
    };
    for (const auto& c : cases) {
        ScriptHost host;
        SelectorNavigator nav(host);
        host.shown = [&nav] { return nav.Current(); };
        nav.Open(c.count, c.start);
        host.log.clear();
        host.modified = c.modified;
        host.answers.assign(c.answers.begin(), c.answers.end());
        host.storeOk = c.storeOk;
        nav.Navigate(c.key);
        EXPECT_EQ(host.log, c.log) << c.what;
        EXPECT_EQ(nav.Current(), c.current) << c.what;
        EXPECT_EQ(nav.Selected(), c.current) << c.what << ": the list shows the item being edited";
    }
}

TEST(SelectorNavigator, PickingAnItemAsksOnceAndARefusedStoreKeepsTheList)
{
    ScriptHost host;
    SelectorNavigator nav(host);
    host.shown = [&nav] { return nav.Current(); };
    nav.Open(5, 2);
    host.log.clear();
    host.modified = true;
    host.answers = {true};
    host.storeOk = false;
    nav.Pick(4);
    EXPECT_EQ(host.log, "change?,yes,refused 2");
    EXPECT_EQ(nav.Selected(), 2);

    host.log.clear();
    host.answers = {false};
    nav.Pick(4);
    EXPECT_EQ(host.log, "change?,no,load 4");
    EXPECT_EQ(nav.Current(), 4);
}

TEST(SelectorNavigator, OpensOnAClampedItem)
{
    ScriptHost host;
    SelectorNavigator nav(host);
    nav.Open(3, 7); // a stale grid row beyond the bands the radio has
    EXPECT_EQ(nav.Current(), 0);
    nav.Open(3, -1); // the title row
    EXPECT_EQ(nav.Current(), 0);
}

struct NumberCase {
    const char* what;
    int start;
    std::vector<std::string> typed; // the box's text after each keystroke
    bool modified;
    std::vector<bool> answers;
    bool storeOk;
    const char* log;
    int position;
};

TEST(ChannelNavigator, TheNumberBoxMovesAsSoonAsItsTextNamesAChannel)
{
    const NumberCase cases[] = {
        {"digits move at each keystroke", 0, {"2", "25", "250"}, false, {}, true, "load 2,load 25,invalid", 25},
        {"a lone L waits for the digit", 0, {"L", "L0"}, false, {}, true, "load 200", 200},
        {"PR is the priority channel", 0, {"P", "PR"}, false, {}, true, "load 220", 220},
        {"U and P alone say nothing; R does", 4, {"U", "R"}, false, {}, true, "invalid", 4},
        {"200 is not a channel number", 4, {"200"}, false, {}, true, "invalid", 4},
        {"leading zeros are read as a number", 0, {"007"}, false, {}, true, "load 7", 7},
        {"an empty box does nothing", 4, {""}, false, {}, true, "", 4},
        {"changes: Yes stores first", 4, {"9"}, true, {true}, true, "change?,yes,store 4,load 9", 9},
        {"changes: No drops them", 4, {"9"}, true, {false}, true, "change?,no,load 9", 9},
        {"refused store puts the number back", 4, {"9"}, true, {true}, false, "change?,yes,refused 4,show 4", 4},
        {"refused on a named channel shows its label",
         205,
         {"9"},
         true,
         {true},
         false,
         "change?,yes,refused 205,show U2",
         205},
    };
    for (const auto& c : cases) {
        ScriptHost host;
        ChannelNavigator nav(host);
        host.shown = [&nav] { return nav.Position(); };
        nav.Open(c.start);
        host.log.clear();
        host.modified = c.modified;
        host.answers.assign(c.answers.begin(), c.answers.end());
        host.storeOk = c.storeOk;
        for (const std::string& text : c.typed)
            nav.NumberChanged(text);
        EXPECT_EQ(host.log, c.log) << c.what;
        EXPECT_EQ(nav.Position(), c.position) << c.what;
    }
}

TEST(ChannelNavigator, ARejectedKeySwallowsTheNextChange)
{
    ScriptHost host;
    ChannelNavigator nav(host);
    host.shown = [&nav] { return nav.Position(); };
    nav.Open(0);
    host.log.clear();
    char c = 'x';
    EXPECT_FALSE(nav.NumberKey(&c));
    EXPECT_TRUE(nav.SuppressNumberChange());
    nav.NumberChanged("5");
    EXPECT_EQ(host.log, "");
    nav.NumberChanged("50");
    EXPECT_EQ(host.log, "load 50");

    char lower = 'l';
    EXPECT_TRUE(nav.NumberKey(&lower));
    EXPECT_EQ(lower, 'L');
}

struct MoveCase {
    const char* what;
    int start;
    std::function<void(ChannelNavigator&)> act;
    bool modified;
    std::vector<bool> answers;
    bool storeOk;
    const char* log;
    int position;
};

TEST(ChannelNavigator, UpDownAndNavigationKeysWrapAndAskBeforeLeaving)
{
    const auto key = [](NavKey k, const char* box) { return [k, box](ChannelNavigator& n) { n.Navigate(k, box); }; };
    const auto step = [](int d) { return [d](ChannelNavigator& n) { n.Step(d); }; };
    const MoveCase cases[] = {
        {"Page Down on 0 shows PR", 0, key(NavKey::PageDown, "0"), false, {}, true, "load 0,load 220", 220},
        {"Page Up on PR shows 0", 220, key(NavKey::PageUp, "PR"), false, {}, true, "load 220,load 0", 0},
        {"End", 17, key(NavKey::End, "17"), false, {}, true, "load 17,load 220", 220},
        {"Home", 17, key(NavKey::Home, "17"), false, {}, true, "load 17,load 0", 0},
        {"one question, Yes",
         17,
         key(NavKey::PageUp, "17"),
         true,
         {true},
         true,
         "change?,yes,store 17,load 17,load 18",
         18},
        {"one question, No", 17, key(NavKey::PageUp, "17"), true, {false}, true, "change?,no,load 17,load 18", 18},
        // A refused store keeps the channel and the typing.
        {"refused store stays",
         17,
         key(NavKey::PageUp, "17"),
         true,
         {true},
         false,
         "change?,yes,refused 17,show 17",
         17},
        // The box naming no channel must not let the changes go unasked.
        {"partial box still asks", 17, key(NavKey::PageUp, "L"), true, {false}, true, "change?,no,load 18", 18},
        {"invalid box still asks",
         17,
         key(NavKey::PageUp, "250"),
         true,
         {true},
         false,
         "invalid,change?,yes,refused 17",
         17},
        {"up-down wraps up", 220, step(1), false, {}, true, "load 0", 0},
        {"up-down wraps down", 0, step(-1), false, {}, true, "load 220", 220},
        {"up-down No drops the changes", 5, step(1), true, {false}, true, "change?,no,drop,load 6", 6},
        {"up-down refused store stays", 5, step(-1), true, {true}, false, "change?,yes,refused 5", 5},
    };
    for (const auto& c : cases) {
        ScriptHost host;
        ChannelNavigator nav(host);
        host.shown = [&nav] { return nav.Position(); };
        nav.Open(c.start);
        host.log.clear();
        host.modified = c.modified;
        host.answers.assign(c.answers.begin(), c.answers.end());
        host.storeOk = c.storeOk;
        c.act(nav);
        EXPECT_EQ(host.log, c.log) << c.what;
        EXPECT_EQ(nav.Position(), c.position) << c.what;
    }
}

struct CloseCase {
    const char* what;
    bool modified;
    std::vector<bool> answers;
    bool storeOk;
    bool closes;
    const char* log;
};

TEST(EditorHost, CloseAsksOnlyAboutChangesAndARefusedStoreKeepsTheDialog)
{
    const CloseCase cases[] = {
        {"unchanged", false, {}, true, true, ""},
        {"Yes stores", true, {true}, true, true, "close?,yes,store 0,drop"},
        {"No drops", true, {false}, true, true, "close?,no,drop"},
        {"refused store stays open", true, {true}, false, false, "close?,yes,refused 0"},
    };
    for (const auto& c : cases) {
        ScriptHost host;
        host.shown = [] { return 0; };
        host.modified = c.modified;
        host.answers.assign(c.answers.begin(), c.answers.end());
        host.storeOk = c.storeOk;
        EXPECT_EQ(host.CloseAllowed(), c.closes) << c.what;
        EXPECT_EQ(host.log, c.log) << c.what;
    }
}

} // namespace
