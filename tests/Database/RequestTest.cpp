#include "Calendar.h"
#include "Request.h"

#include <gtest/gtest.h>

TEST(RequestTest, PutsValuesInPlaceOfTheMarks)
{
    CRequest request(u"UPDATE points SET name=?, id_record=?, note=? WHERE id_point=?");
    request.BindText(0, u"it's");
    request.BindInt(1, -1);
    request.BindNull(2);
    request.BindInt(3, 7);
    EXPECT_EQ(request.Build(), u"UPDATE points SET name='it''s', id_record=-1, note=NULL WHERE id_point=7");

    request.BindInt(3, 8);
    EXPECT_EQ(request.Build(), u"UPDATE points SET name='it''s', id_record=-1, note=NULL WHERE id_point=8");
}

TEST(RequestTest, EmptyTextBecomesTwoApostrophes)
{
    CRequest request(u"SELECT ?");
    request.BindText(0, u"");
    EXPECT_EQ(request.Build(), u"SELECT ''");
}

TEST(RequestTest, EscapedMarkIsALiteralQuestionMark)
{
    CRequest request(u"SELECT '\\?' || ?");
    request.BindText(0, u"O'Neil");
    EXPECT_EQ(request.Build(), u"SELECT '?' || 'O''Neil'");
}

TEST(RequestTest, TooFewValuesLeaveTheTemplateAsItIs)
{
    CRequest request(u"UPDATE t SET a=? WHERE k=?");
    request.BindInt(0, 1);
    EXPECT_EQ(request.Build(), u"UPDATE t SET a=? WHERE k=?");
}

TEST(RequestTest, ValueAtAnOrdinalWithoutAMarkLeavesTheTemplate)
{
    CRequest request(u"UPDATE t SET a=? WHERE k=?");
    request.BindInt(0, 1);
    request.BindInt(2, 3);
    EXPECT_EQ(request.Build(), u"UPDATE t SET a=? WHERE k=?");
}

TEST(RequestTest, SetTextKeepsValuesAndClearValuesDropsThem)
{
    CRequest request(u"DELETE FROM t WHERE a=?");
    request.BindInt(0, 3);
    request.SetText(u"SELECT * FROM t WHERE a=?");
    EXPECT_EQ(request.Build(), u"SELECT * FROM t WHERE a=3");
    request.ClearValues();
    EXPECT_EQ(request.Build(), u"SELECT * FROM t WHERE a=?");
}

TEST(DateTextTest, WritesLocalTimeInTheStoredForm)
{
    CRequest request(u"?");
    request.BindDate(0, ToSeconds({ 2010, 5, 7, 14, 30, 0 }));
    EXPECT_EQ(request.Build(), u"'07.05.2010 14:30:00'");
}
