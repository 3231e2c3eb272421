#include <climits>
#include <string>

#include "model_fixture.h"

namespace {
using KeyTableTest = PartsTest;

TEST(FaceKey, DescriptorGivesTheKey) {
    const struct {
        const char* what;
        std::string descriptor, key; // label, character, rectangle, then the assignment
    } cases[] = {
        {"digit key with a double blank", "49 1 0 1  20 28 17 17", "Fn-1 1 20,28,37,45 assignable none||none"},
        {"ninth field, underscores to blanks", "87 1 0 W 50 48 17 17 Word_Processor",
         "Fn-W W 50,48,67,65 assignable none||Word Processor"},
        {"description cut at 35", "65 0 1 A 0 0 1 1 " + std::string(50, 'd'),
         "Fn-A A 0,0,1,1 reserved none||" + std::string(35, 'd')},
        {"name cut at 19, numbers still line up", "66 1 0 " + std::string(30, 'N') + " 5 6 7 8",
         "Fn-" + std::string(19, 'N') + " B 5,6,12,14 assignable none||none"},
        {"low byte of the code", "449 1 0 X 0 0 2 2", "Fn-X \xC1 0,0,2,2 assignable none||none"},
        {"tabs and line ends separate", "67\t1\t0\tC\r\n1\t2\t3\t4\tdesc", "Fn-C C 1,2,4,6 assignable none||desc"},
        {"huge numbers saturate", "69 1 0 E 99999999999 -99999999999 2147483647 -5",
         "Fn-E E 2147483647,-2147483648,2147483647,-2147483648 assignable none||none"},
        // Fewer than eight fields: reading stops at the first mismatch, the rest is 0 or empty.
        {"stops at a non-number", "70 1 0 F 10 x 5 5", "Fn-F F 10,0,10,0 assignable none||none"},
        {"empty text", "", "Fn- " + std::string(1, '\0') + " 0,0,0,0 none||none"},
    };
    for (const auto& c : cases) {
        const FaceKey key(c.descriptor, BuiltinStrings());
        EXPECT_EQ(key.m_strLabel + " " + key.m_strKey + " " + RectText(key.m_rect) + " " +
                      Assignment(key), c.key) << c.what;
    }
}

// Ids with gaps: 5003 comes first, 5093 last.
TEST_F(KeyTableTest, BuiltinFaceHasItsKeysInIdOrder) {
    Start();
    ASSERT_EQ(keys.Count(), 63);
    EXPECT_EQ(keys.InLoadOrder(0).m_strLabel, "Fn-ESC");
    EXPECT_EQ(keys.InLoadOrder(1).m_strLabel, "Fn-PLUS");
    EXPECT_EQ(keys.InLoadOrder(62).m_strLabel, "Fn-RBRACE");
    EXPECT_EQ(keys.FindKey("Z")->m_rect, (Rect{46, 88, 63, 105}));
}

TEST_F(KeyTableTest, AllKeysOptionMakesTheDigitsOneToNineAssignable) {
    const struct {
        const char* character;
        int plain, allKeys; // m_bAssignable without and with OPT_ALLKEYS
    } cases[] = {{"1", 1, 1}, {"7", 0, 1}, {"9", 0, 1}, {"0", 0, 0}, {":", 0, 0}, {"U", 0, 0}};
    for (const auto& c : cases) {
        Start();
        EXPECT_EQ(Key(c.character).m_bAssignable, c.plain) << c.character;
        Start(OPT_ALLKEYS);
        EXPECT_EQ(Key(c.character).m_bAssignable, c.allKeys) << c.character;
    }
    profile.Load("kelvane.key", "[keys]\na=55 0 1 7 1 1 1 1\nb=56 0 0 8 1 1 1 1\n");
    Start(OPT_ALLKEYS);
    EXPECT_EQ(Key("7").m_bAssignable, 0); // reserved
    EXPECT_EQ(Key("8").m_bAssignable, 1);
}

TEST_F(KeyTableTest, KeyLayoutFileReplacesTheBuiltInTable) {
    const std::string twoKeys = "[keys]\na=49 1 0 1  20 28 17 17\nb=65 1 0 A 36 68 17 17\n";
    const std::string oneKey = "[keys]\na=65 1 0 A 1 -1 1 1\n";
    const struct {
        const char* what;
        std::uint32_t options;
        std::string file, table; // the number of keys and the first one's rectangle
    } cases[] = {
        {"file replaces the table", 0, twoKeys, "2 20,28,37,45"},
        {"scale 2", 0, twoKeys + "[opts]\nscale=2\n", "2 40,56,74,90"},
        {"no-override ignores file and scale", OPT_NOOVERRIDE, twoKeys + "[opts]\nscale=2\n", "63 8,9,25,22"},
        {"empty section: built-in table, scale 1", 0, "[keys]\n[opts]\nscale=2\n", "63 8,9,25,22"},
        {"-1 ends the table", 0, oneKey + "b=-1\nc=66 1 0 B 1 1 1 1\n", "1 1,-1,2,0"},
        {"-10 does not end it", 0, "[keys]\na=-10 1 0 A 1 -1 1 1\n", "1 1,-1,2,0"},
        {"negative scale mirrors", 0, oneKey + "[opts]\nscale=-2\n", "1 -2,2,-4,0"},
        {"huge scale saturates", 0, oneKey + "[opts]\nscale=2147483647\n",
         "1 2147483647,-2147483647,2147483647,0"},
    };
    for (const auto& c : cases) {
        profile.Load("kelvane.key", c.file);
        Start(c.options);
        EXPECT_EQ(std::to_string(keys.Count()) + " " + RectText(keys.InLoadOrder(0).m_rect), c.table)
            << c.what;
    }
}

TEST_F(KeyTableTest, AtMostOneHundredKeysAreBuilt) {
    std::string file = "[keys]\n";
    for (int i = 0; i < 150; ++i)
        file += "k" + std::to_string(i) + "=" + std::to_string(i + 1) + " 1 0 K" +
                std::to_string(i) + " 1 1 1 1\n";
    profile.Load("kelvane.key", file);
    Start();
    ASSERT_EQ(keys.Count(), 100);
    EXPECT_EQ(keys.InLoadOrder(99).m_strLabel, "Fn-K99");
    EXPECT_EQ(keys.ByCharacter().size(), 100u);
}

TEST_F(KeyTableTest, LaterDuplicateIsFoundButBothStayInLoadOrderAndPointsFindTheFirst) {
    profile.Load("kelvane.key", "[keys]\na=66 1 0 B 0 0 1 1\nb=65 1 0 A 0 0 10 10\n"
                                "c=65 1 0 AA 20 0 10 10\n");
    Start();
    ASSERT_EQ(keys.Count(), 3);
    EXPECT_EQ(keys.InLoadOrder(1).m_strLabel, "Fn-A");
    EXPECT_EQ(keys.InLoadOrder(2).m_strLabel, "Fn-AA");
    EXPECT_EQ(Key("A").m_strLabel, "Fn-AA");
    const std::vector<FaceKey*> byCharacter = keys.ByCharacter();
    ASSERT_EQ(byCharacter.size(), 2u);
    EXPECT_EQ(byCharacter[0]->m_strLabel + byCharacter[1]->m_strLabel, "Fn-AAFn-B");
    // A point finds the first key in load order whose rectangle holds it
    // (right and bottom edges outside), and names it by its character.
    EXPECT_EQ(keys.KeyAt(0, 0)->m_strLabel + keys.KeyAt(9, 9)->m_strLabel, "Fn-BFn-AA");
    EXPECT_EQ(keys.KeyAt(10, 5), nullptr);
    EXPECT_EQ(keys.KeyAt(5, 10), nullptr);
}

// Loading again replaces the table, here with the empty one of a face that
// has no descriptors.
TEST_F(KeyTableTest, FacesWithoutDescriptorsAreEmpty) {
    Start();
    for (int face : {1, 2, INT_MAX, INT_MIN}) {
        Start(0, face);
        EXPECT_EQ(keys.Count(), 0) << face;
        EXPECT_EQ(keys.FindKey("Q"), nullptr) << face;
    }
}
} // namespace
