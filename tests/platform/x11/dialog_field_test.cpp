#include "platform/x11/dialog_field.h"

#include <gtest/gtest.h>

namespace glint::platform::x11 {
namespace {

void typeText(NumberField& field, const std::string& text) {
    for (const char c : text) field.type(c);
}

TEST(NumberField, TheFirstDigitTypedReplacesTheInitialValue) {
    NumberField field(10, 1, 1440);
    EXPECT_EQ(field.text(), "10");
    EXPECT_TRUE(field.allSelected());
    typeText(field, "25");
    EXPECT_EQ(field.text(), "25");
    EXPECT_EQ(field.caret(), 2u);
    EXPECT_EQ(field.value(), 25);
}

TEST(NumberField, OnlyDigitsAreTakenAndNoMoreThanTheRangeNeeds) {
    NumberField field(10, 1, 1440);
    typeText(field, "1a 2.3-45");
    EXPECT_EQ(field.text(), "1234");
    EXPECT_EQ(field.value(), 1234);
}

TEST(NumberField, TheCaretMovesAndEditsInPlace) {
    NumberField field(10, 1, 1440);
    field.moveEnd();  // ends the selection, keeps the text
    EXPECT_EQ(field.text(), "10");
    field.moveHome();
    field.type('3');
    EXPECT_EQ(field.text(), "310");
    field.moveRight();
    field.backspace();
    EXPECT_EQ(field.text(), "30");
    EXPECT_EQ(field.caret(), 1u);
    field.deleteForward();
    EXPECT_EQ(field.text(), "3");
    field.moveLeft();
    field.moveLeft();  // stays at the start
    field.backspace();
    EXPECT_EQ(field.text(), "3");
    field.moveTo(99);
    EXPECT_EQ(field.caret(), 1u);
}

TEST(NumberField, BackspaceOnTheSelectionEmptiesItAndAnEmptyFieldMeansTheInitialValue) {
    NumberField field(10, 1, 1440);
    field.backspace();
    EXPECT_EQ(field.text(), "");
    EXPECT_EQ(field.value(), 10);
}

TEST(NumberField, ValuesAreClampedToTheRangeWhenReadAndWhenStepped) {
    NumberField field(10, 1, 1440);
    typeText(field, "9999");
    EXPECT_EQ(field.value(), 1440);
    field.step(1);
    EXPECT_EQ(field.text(), "1440");
    field.step(-1);
    EXPECT_EQ(field.text(), "1439");
    EXPECT_TRUE(field.allSelected());
    NumberField low(10, 1, 1440);
    typeText(low, "0");
    EXPECT_EQ(low.value(), 1);
    low.step(-1);
    EXPECT_EQ(low.text(), "1");
    EXPECT_EQ(NumberField(5000, 1, 1440).text(), "1440");
}

TEST(NumberField, AMinusSignIsTakenFirstWhereTheRangeHasNegatives) {
    NumberField field(0, -50, 50);
    typeText(field, "-");
    typeText(field, "7-");
    EXPECT_EQ(field.text(), "-7");
    EXPECT_EQ(field.value(), -7);
    field.moveHome();
    field.type('1');  // nothing goes before the sign
    EXPECT_EQ(field.text(), "-7");
    NumberField positive(10, 1, 20);
    typeText(positive, "-3");
    EXPECT_EQ(positive.text(), "3");
}

}  // namespace
}  // namespace glint::platform::x11
