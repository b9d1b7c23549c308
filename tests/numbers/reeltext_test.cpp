// Text forms of reel: stream form, cell text, display text and decimalText.
#include "reeltext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kMax = 2147483647;

std::string fields(const reel& r) {
    return "{" + std::to_string(r.whole) + "," + std::to_string(r.num) + "," +
           std::to_string(r.den) + "}";
}

std::string written(const reel& x) {
    std::ostringstream os;
    os << x;
    return os.str();
}

reel readOne(const std::string& text) {
    std::istringstream is(text);
    reel x = reel(9, 9, 10); // must be replaced, whatever the text
    is >> x;
    return x;
}

std::string digits(unsigned __int128 v) {
    std::string s(1, char('0' + int(v % 10)));
    while ((v /= 10) != 0)
        s.insert(s.begin(), char('0' + int(v % 10)));
    return s;
}

// Random normalised values over the whole range, extremes included.
reel randomReel(std::mt19937_64& rng) {
    auto pick = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng);
    };
    const std::int32_t w = pick(0, 3) == 0 ? 0 : pick(0, 1) ? pick(-kMax, kMax) : pick(-99, 99);
    const std::int32_t d =
        pick(0, 3) == 0 ? pick(kMax - 50, kMax) : pick(1, pick(0, 1) ? 1000 : kMax);
    std::int32_t n = pick(0, d - 1);
    if (n == 0) return reel::raw(w, 0, 1);
    const std::int32_t g = std::gcd(n, d);
    if (w < 0 || (w == 0 && pick(0, 1))) n = -n;
    return reel::raw(w, n / g, d / g);
}

struct TextRow {
    std::string text;
    reel value;
};

TEST(ReelStream, WritesSignOnlyOnFirstNumber) {
    // clang-format off
    const TextRow rows[] = {
        {"0", reel()},              {"1/3", reel(1, 3)},       {"-2", reel(-2)},
        {"-2/1/3", reel(-2, 1, 3)}, {"3/1/2", reel(3, 1, 2)},  {"-1/2", reel(-1, 2)},
        {"-2147483647/2147483646/2147483647", reel(-kMax, kMax - 1, kMax)}};
    // clang-format on
    for (const TextRow& row : rows)
        EXPECT_EQ(written(row.value), row.text) << fields(row.value);

    // Written in one piece, so that a field width covers the whole value.
    std::ostringstream os;
    os << std::setw(8) << reel(-2, 1, 3) << '|' << std::left << std::setw(5) << reel(1, 2) << '|';
    EXPECT_EQ(os.str(), "  -2/1/3|1/2  |");
}

TEST(ReelStream, ReadsOneToThreeNumbersWithEitherSeparator) {
    // clang-format off
    const TextRow rows[] = {
        {"-2/1/3", reel(-2, 1, 3)}, {"-1/3", reel(-1, 3)},     {"1,2", reel(1, 2)},
        {"1/2", reel(1, 2)},        {"3,1,2", reel(3, 1, 2)},  {"3/1,2", reel(3, 1, 2)},
        {"3/1/2", reel(3, 1, 2)},   {"6/4", reel(1, 1, 2)},    {"5/0", reel(5)},
        {"4", reel(4)},             {"-7", reel(-7)},          {"  12", reel(12)},
        {"", reel()},               {"abc", reel()},           {"/3", reel()},
        {"2/x", reel(2)},           {"2147483647/1/2", reel(kMax, 1, 2)}};
    // clang-format on
    for (const TextRow& row : rows) {
        const reel x = readOne(row.text);
        EXPECT_TRUE(x.sameFields(row.value))
            << "\"" << row.text << "\" gave " << fields(x) << " want " << fields(row.value);
    }
}

TEST(ReelStream, NothingToReadGivesZero) {
    std::istringstream is("");
    is.get();
    ASSERT_TRUE(is.eof());
    reel x(5);
    is >> x;
    EXPECT_TRUE(x.sameFields(reel()));

    std::istringstream words("abc");
    words >> x;
    EXPECT_TRUE(x.sameFields(reel()));
    EXPECT_TRUE(words.fail()) << "no number: the stream reports it";
}

TEST(ReelStream, ConsumesOnlyWhatTheValueNeeds) {
    // One- and two-number values take the separator test's character with them;
    // a three-number value ends at its last digit. Either way the next element
    // stays untouched.
    for (const char* text : {"4\tX", "-1,3\tX", "1/2 X"}) {
        std::istringstream is(text);
        reel x;
        is >> x;
        EXPECT_EQ(is.get(), 'X') << text;
    }
    for (const std::string text : {"3/1/2\tX", "-2,1,3 X"}) {
        std::istringstream is(text);
        reel x;
        is >> x;
        EXPECT_EQ(is.get(), text[text.size() - 2]) << text;
        EXPECT_EQ(is.get(), 'X') << text;
    }
}

TEST(ReelStream, RoundTripKeepsEveryField) {
    std::mt19937_64 rng(31337);
    for (int i = 0; i < 20000; ++i) {
        const reel x = randomReel(rng);
        ASSERT_TRUE(x.isNormal()) << fields(x);
        const reel back = readOne(written(x));
        ASSERT_TRUE(back.sameFields(x)) << written(x) << " read as " << fields(back);
        const reel cell = reelFromCellText(cellText(x));
        ASSERT_TRUE(cell.sameFields(x)) << cellText(x) << " read as " << fields(cell);
    }
}

TEST(ReelStream, GarbageNeverThrowsAndGivesNormalValue) {
    // clang-format off
    std::vector<std::string> texts = {
        "-2147483648", "2147483648", "99999999999999", "2147483647/3/2", "1/-2147483648",
        "--1", "1//2", "1/2/", "1/2/3/4", "+5", "-", "/", ",", "\t", "1e5", "0x10"};
    // clang-format on
    std::mt19937_64 rng(2718);
    const std::string alphabet = "0123456789012345678901234567890123456789//,,--+ \t\nx.e";
    for (int i = 0; i < 20000; ++i) {
        std::string text(rng() % 24, ' ');
        for (char& ch : text)
            ch = (rng() % 8 == 0) ? char(rng() % 256) : alphabet[rng() % alphabet.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        std::istringstream is(text);
        // Keep reading while the stream allows it, as a file reader would.
        for (int k = 0; k < 8 && is; ++k) {
            reel x;
            ASSERT_NO_THROW(is >> x) << "\"" << text << "\"";
            ASSERT_TRUE(x.isNormal()) << "\"" << text << "\" gave " << fields(x);
        }
    }
}

TEST(DisplayText, MixedAndImproperForms) {
    struct Row {
        reel x;
        const char* mixed;
        const char* improper;
    };
    // clang-format off
    const Row rows[] = {
        {reel(2, 1, 3), "2,1,3", ",7,3"},   {reel(-2, 1, 3), "-2,1,3", "-,7,3"},
        {reel(-1, 3), "-,1,3", "-,1,3"},    {reel(1, 2), ",1,2", ",1,2"},
        {reel(5), "5,,", "5,,"},            {reel(-5), "-5,,", "-5,,"},
        {reel(), "0,,", "0,,"},             {reel(-3, 1, 2), "-3,1,2", "-,7,2"},
        {reel(kMax, 1, 2), "2147483647,1,2", ",4294967295,2"},
        {reel(-kMax, kMax - 1, kMax), "-2147483647,2147483646,2147483647",
         "-,4611686016279904255,2147483647"}};
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(displayText(row.x, true), row.mixed) << fields(row.x);
        EXPECT_EQ(displayText(row.x, false), row.improper) << fields(row.x);
    }
    // The improper numerator may need up to 62 bits; it must be exact.
    std::mt19937_64 rng(161803);
    for (int i = 0; i < 20000; ++i) {
        const reel x = randomReel(rng);
        if (x.num == 0) continue;
        const __int128 p = __int128(x.whole) * x.den + x.num;
        const std::string want =
            (p < 0 ? "-," : ",") + digits(p < 0 ? -p : p) + "," + std::to_string(x.den);
        ASSERT_EQ(displayText(x, false), want) << fields(x);
    }
}

TEST(DecimalText, ExactBeyond32Bits) {
    EXPECT_EQ(decimalText(kMax, kMax, kMax), "4611686016279904256");
    std::mt19937_64 rng(577);
    std::uniform_int_distribution<std::int32_t> any(0, kMax);
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t a = any(rng), b = any(rng), c = any(rng);
        const auto want = static_cast<unsigned __int128>(a) * unsigned(b) + unsigned(c);
        ASSERT_EQ(decimalText(a, b, c), digits(want)) << a << " " << b << " " << c;
    }
}

} // namespace
