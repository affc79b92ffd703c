#include "common/Error.h"
#include "common/PacketBytes.h"

#include <gtest/gtest.h>

using namespace tevo;

// Reads that reach past the bytes a device sent are refused, wherever they start; reads that
// end on the last byte are not.
TEST(PacketReader, NeverReadsPastTheBytesItWasGiven)
{
    const PacketReader r(QByteArray::fromHex("0102030405"));
    const struct {
        qsizetype at;
        int width;
        bool refused;
    } cases[] = {
        {0, 4, false}, {1, 4, false}, {2, 4, true}, {4, 1, false},
        {5, 1, true},  {-1, 1, true}, {3, 3, true}, {std::numeric_limits<qsizetype>::max(), 2, true},
    };
    for (const auto &c : cases) {
        if (c.refused)
            EXPECT_THROW(r.unsignedLe(c.at, c.width), InputError) << c.at << "+" << c.width;
        else
            EXPECT_NO_THROW(r.unsignedLe(c.at, c.width)) << c.at << "+" << c.width;
    }
    EXPECT_THROW(r.bytes(3, 3), InputError);
    EXPECT_THROW(r.digits(0, 6), InputError);
    EXPECT_EQ(r.unsignedLe(1, 4), 0x05040302u);
    EXPECT_THROW(PacketReader(QByteArray(9, '\0'), 10, "settings"), InputError);
}

// A digit field's most significant byte takes what is left of the value, and reading the field
// back gives the value again.
TEST(PacketWriter, DigitFieldsKeepWhatIsLeftInTheirLastByte)
{
    PacketWriter w(6);
    w.putDigits(0, 1234, 3, DigitOrder::UnitsFirst);
    w.putDigits(3, 7, 2, DigitOrder::MostSignificantFirst);
    EXPECT_EQ(w.bytes().toHex(), QByteArray("04030c000700"));
    EXPECT_EQ(PacketReader(w.bytes()).digits(0, 3), 1234);
}
