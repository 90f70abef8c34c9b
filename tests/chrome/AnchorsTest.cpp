#include "chrome/Anchors.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using chrome::Anchors;

struct AnchorCase {
    const char* name;
    unsigned anchors;
    QRect expected; // at 900 x 700 for a child designed at 100, 50, 200, 30 in 750 x 573
};

std::ostream& operator<<(std::ostream& out, const AnchorCase& c) {
    return out << c.name;
}

class AnchorRule : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(AnchorRule, PlacesChildAfterParentGrows) {
    EXPECT_EQ(Anchors::place(QRect(100, 50, 200, 30), QSize(750, 573), GetParam().anchors,
                             QSize(900, 700)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnchorRule,
    ::testing::Values(AnchorCase{"LeftTopStays", chrome::AnchorLeftTop, QRect(100, 50, 200, 30)},
                      AnchorCase{"LeftRightStretches",
                                 chrome::AnchorLeft | chrome::AnchorTop | chrome::AnchorRight,
                                 QRect(100, 50, 350, 30)},
                      AnchorCase{"RightFollowsEdge", chrome::AnchorTop | chrome::AnchorRight,
                                 QRect(250, 50, 200, 30)},
                      AnchorCase{"AllStretchBothWays", chrome::AnchorAll, QRect(100, 50, 350, 157)},
                      AnchorCase{"BottomFollowsEdge", chrome::AnchorLeft | chrome::AnchorBottom,
                                 QRect(100, 177, 200, 30)},
                      // Centre at 200 / 750 of the width stays at that proportion: 240 of 900.
                      AnchorCase{"NoHorizontalAnchorKeepsCentreProportion", chrome::AnchorTop,
                                 QRect(140, 50, 200, 30)}),
    [](const auto& info) { return info.param.name; });

TEST(Anchors, FollowParentResizes) {
    QWidget parent;
    parent.resize(750, 573);
    QWidget child(&parent);
    child.setGeometry(746, 9, 4, 556);
    Anchors anchors(&parent);
    anchors.add(&child, chrome::AnchorTop | chrome::AnchorRight | chrome::AnchorBottom);
    parent.show();
    parent.resize(900, 700);
    EXPECT_EQ(child.geometry(), QRect(896, 9, 4, 683));
    parent.resize(750, 573);
    EXPECT_EQ(child.geometry(), QRect(746, 9, 4, 556));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
