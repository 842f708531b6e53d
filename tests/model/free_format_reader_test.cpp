// One read operation at a time on a file held in memory: what lands in each destination,
// the status, and where the next operation will start. Bad repeats, words, hexadecimal, NaN,
// infinity, NUL bytes, a second byte order mark and long comments in whole files are the
// corpus's; the forms of a number are the number tests'.

#include "model/free_format_reader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr double UNTOUCHED = -7.0;  // every destination holds this before the read

struct ReaderCase {
    const char* name;
    std::string text;
    std::string kinds;           // one letter per destination: 'i' integer, 'r' real
    ReadStatus status;
    std::vector<double> values;  // every destination after the read
    std::string rest;            // what the file still holds for the next operation
};

const char* statusName(ReadStatus status) {
    switch (status) {
    case ReadStatus::Ok: return "Ok";
    case ReadStatus::BadValue: return "BadValue";
    case ReadStatus::EndOfFile: return "EndOfFile";
    }
    return "?";
}

const std::vector<ReaderCase> CASES = {
    // Separators
    {"blanks", "1 2   3\n", "rrr", ReadStatus::Ok, {1, 2, 3}, ""},
    {"commas with and without blanks", "1 , 2,3 ,4\n", "rrrr", ReadStatus::Ok, {1, 2, 3, 4}, ""},
    {"tabs and a carriage return", "1\t2\r\nnext\n", "rr", ReadStatus::Ok, {1, 2}, "next\n"},
    {"blank lines before the values", "\n  \n5 6\n", "ii", ReadStatus::Ok, {5, 6}, ""},
    {"last line without a line end", "1 2", "rr", ReadStatus::Ok, {1, 2}, ""},
    // Continuation lines and the rest of the last line
    {"continuation lines", "1 2\n3\n4 5 6\nnext\n", "rrrr", ReadStatus::Ok, {1, 2, 3, 4}, "next\n"},
    {"comment after the last value", "7 12   seven grades\n300\n", "ii", ReadStatus::Ok, {7, 12}, "300\n"},
    {"a comment needs the values before it", "3 20 and then words\n", "iii", ReadStatus::BadValue, {3, 20, UNTOUCHED}, ""},
    {"each operation takes whole lines", "1 2 3\n4 5\n", "r", ReadStatus::Ok, {1}, "4 5\n"},
    // Repeats
    {"r*v", "3*0.5 2\n", "rrrr", ReadStatus::Ok, {0.5, 0.5, 0.5, 2}, ""},
    {"r*v in a comma list", "30, 2*0, 0\n", "rrrr", ReadStatus::Ok, {30, 0, 0, 0}, ""},
    {"r*v over kinds", "2*4\n", "ir", ReadStatus::Ok, {4, 4}, ""},
    {"r*v past the last destination", "5*1 9\nnext\n", "rr", ReadStatus::Ok, {1, 1}, "next\n"},
    {"r* stands for nulls", "2* 9\n", "rrr", ReadStatus::Ok, {UNTOUCHED, UNTOUCHED, 9}, ""},
    {"repeat without count", "*5\n", "r", ReadStatus::BadValue, {UNTOUCHED}, ""},
    // Slash
    {"slash ends the operation", "1 2 / 3\n4\n", "rrrr", ReadStatus::Ok, {1, 2, UNTOUCHED, UNTOUCHED}, "4\n"},
    {"slash glued to a value", "1 2/3\n4\n", "rrrr", ReadStatus::Ok, {1, 2, UNTOUCHED, UNTOUCHED}, "4\n"},
    {"slash on a continuation line", "1\n/\n5\n", "rrr", ReadStatus::Ok, {1, UNTOUCHED, UNTOUCHED}, "5\n"},
    {"slash after a comma", "1,/\n", "rr", ReadStatus::Ok, {1, UNTOUCHED}, ""},
    {"slash first", "/ 1 2\n3\n", "rr", ReadStatus::Ok, {UNTOUCHED, UNTOUCHED}, "3\n"},
    // Null values
    {"two commas", "1,,3\n", "rrr", ReadStatus::Ok, {1, UNTOUCHED, 3}, ""},
    {"two commas with blanks between", "1, ,3\n", "rrr", ReadStatus::Ok, {1, UNTOUCHED, 3}, ""},
    {"comma first", ",2\n", "rr", ReadStatus::Ok, {UNTOUCHED, 2}, ""},
    {"two commas first", ",,3\n", "iii", ReadStatus::Ok, {UNTOUCHED, UNTOUCHED, 3}, ""},
    {"comma at a line end", "1,\n3\n", "rr", ReadStatus::Ok, {1, 3}, ""},
    {"comma at a line end, comma next line", "1,\n,3\n", "rrr", ReadStatus::Ok, {1, UNTOUCHED, 3}, ""},
    {"comma after a line end", "1\n,3\n", "rr", ReadStatus::Ok, {1, 3}, ""},
    // An integer destination reads an integer: 3.0 is refused
    {"integer field holding 3.0", "3.0\n", "i", ReadStatus::BadValue, {UNTOUCHED}, ""},
    // Failures keep what was read before them
    {"word among the values", "1 x 3\n", "rrr", ReadStatus::BadValue, {1, UNTOUCHED, UNTOUCHED}, ""},
    {"number glued to a word", "1 2abc\n", "rr", ReadStatus::BadValue, {1, UNTOUCHED}, ""},
    {"end of file inside the operation", "1 2\n", "rrr", ReadStatus::EndOfFile, {1, 2, UNTOUCHED}, ""},
    {"end of file after blank lines", "1\n\n\n", "rr", ReadStatus::EndOfFile, {1, UNTOUCHED}, ""},
    {"empty file", "", "r", ReadStatus::EndOfFile, {UNTOUCHED}, ""},
    // Line ends of other systems, a byte order mark, odd bytes and long tokens
    {"a carriage return alone ends a line", "1 9\r2\rnext\n", "r", ReadStatus::Ok, {1}, "2\rnext\n"},
    {"carriage returns as continuation lines", "1\r\r2\r3\n", "rr", ReadStatus::Ok, {1, 2}, "3\n"},
    {"a byte order mark first", "\xEF\xBB\xBF" "5 6\n", "ii", ReadStatus::Ok, {5, 6}, ""},
    {"a token of 256 characters", std::string(255, '0') + "1\n", "r", ReadStatus::Ok, {1}, ""},
    {"a token of 257 characters stops the read", std::string(256, '0') + "1 2\nnext\n", "rr", ReadStatus::BadValue, {UNTOUCHED, UNTOUCHED}, " 2\nnext\n"},
};

class FreeFormatReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(FreeFormatReaderTest, ReadsOneOperation) {
    const ReaderCase& c = GetParam();
    ASSERT_EQ(c.kinds.size(), c.values.size());
    std::string text = c.text;
    std::FILE* file = fmemopen(text.data(), text.size(), "r");
    ASSERT_NE(nullptr, file);

    std::vector<int32_t> integers(c.kinds.size(), static_cast<int32_t>(UNTOUCHED));
    std::vector<float> reals(c.kinds.size(), static_cast<float>(UNTOUCHED));
    std::vector<ReadTarget> targets;
    for (size_t k = 0; k < c.kinds.size(); ++k) {
        if (c.kinds[k] == 'i')
            targets.emplace_back(integers[k]);
        else
            targets.emplace_back(reals[k]);
    }

    EXPECT_STREQ(statusName(c.status), statusName(READ_VALUES(file, targets)));
    for (size_t k = 0; k < c.kinds.size(); ++k) {
        if (c.kinds[k] == 'i')
            EXPECT_EQ(static_cast<int32_t>(c.values[k]), integers[k]) << "destination " << k + 1;
        else
            EXPECT_EQ(static_cast<float>(c.values[k]), reals[k]) << "destination " << k + 1;
    }
    std::string rest;
    for (int ch = std::getc(file); ch != EOF; ch = std::getc(file)) rest.push_back(static_cast<char>(ch));
    EXPECT_EQ(c.rest, rest);
    std::fclose(file);
}

std::string caseName(const ::testing::TestParamInfo<ReaderCase>& info) {
    std::string name;
    for (const char* p = info.param.name; *p != '\0'; ++p)
        name.push_back(std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeFormatReaderTest, ::testing::ValuesIn(CASES), caseName);

// With no file there is nothing to read.
TEST(FreeFormatReaderSequence, NoFileReadsAsEmpty) {
    float value = 3.0f;
    EXPECT_EQ(ReadStatus::EndOfFile, READ_VALUES(nullptr, std::vector<ReadTarget>{value}));
    EXPECT_EQ(3.0f, value);
}

}  // namespace
}  // namespace korvel
