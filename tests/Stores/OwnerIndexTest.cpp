#include "OwnerIndex.h"

#include <gtest/gtest.h>

using Ids = std::vector<std::int32_t>;

TEST(OwnerIndex, KeepsJoiningOrderAndForgetsEmptiedOwners)
{
    COwnerIndex index;
    index.Add(1, 10);
    index.Add(1, 11);
    index.Add(2, 20);
    index.Add(1, 12);
    EXPECT_EQ(index.Of(1), (Ids { 10, 11, 12 }));
    EXPECT_TRUE(index.Of(3).empty());

    index.Remove(1, 11);
    index.Remove(3, 11);
    EXPECT_EQ(index.Of(1), (Ids { 10, 12 }));
    index.Remove(2, 20);
    EXPECT_TRUE(index.Of(2).empty());
    index.Add(2, 21);
    EXPECT_EQ(index.Of(2), (Ids { 21 }));
    index.Erase(1);
    EXPECT_TRUE(index.Of(1).empty());
}

TEST(OwnerIndex, MovingAllAppendsToTheTargetAndNeverToItself)
{
    COwnerIndex index;
    index.Add(0, 1);
    index.Add(5, 2);
    index.Add(5, 3);

    EXPECT_EQ(index.MoveAll(5, 0), (Ids { 2, 3 }));
    EXPECT_EQ(index.Of(0), (Ids { 1, 2, 3 }));
    EXPECT_TRUE(index.Of(5).empty());

    EXPECT_TRUE(index.MoveAll(0, 0).empty());
    EXPECT_EQ(index.Of(0), (Ids { 1, 2, 3 }));
    EXPECT_TRUE(index.MoveAll(9, 0).empty());
    EXPECT_EQ(index.Of(0), (Ids { 1, 2, 3 }));
}
