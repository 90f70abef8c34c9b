#include "browser/PageAddress.h"
#include "ui/BookText.h"
#include "ui/ErrorDisplay.h"

#include <gtest/gtest.h>

// The reader's and the web view's own names, unqualified as the window uses them.
using namespace browser;
using namespace ui;

namespace {

struct AddressCase {
    const char* location;
    const char* anchor; // in the book's code page, as the table of contents holds it
    const char* url;    // nullptr: refused
};

std::ostream& operator<<(std::ostream& out, const AddressCase& c) {
    return out << c.location << " + " << c.anchor;
}

class PageAddressToUrl : public ::testing::TestWithParam<AddressCase> {};

TEST_P(PageAddressToUrl, ConvertsOrRefuses) {
    const PageAddress address{QString::fromUtf8(GetParam().location),
                              textFromBookCodePage(GetParam().anchor)};
    if (!GetParam().url) {
        EXPECT_THROW(pageUrl(address), WindowError);
        return;
    }
    EXPECT_EQ(pageUrl(address).toString(QUrl::FullyEncoded).toStdString(), GetParam().url);
}

#define PAGE "/opt/r/data/vaxilog.htm"
#define PAGE_URL "file:///opt/r/data/vaxilog.htm"

INSTANTIATE_TEST_SUITE_P(
    Table, PageAddressToUrl,
    ::testing::Values(AddressCase{"http://www.varnel.example/updateal.htm", "",
                                  "http://www.varnel.example/updateal.htm"},
                      AddressCase{"http://www.varnel.example/a.htm", "#b/c",
                                  "http://www.varnel.example/a.htm#b/c"},
                      AddressCase{PAGE, "#toppage", PAGE_URL "#toppage"},
                      AddressCase{PAGE, "", PAGE_URL}, AddressCase{PAGE, "#", PAGE_URL "#"},
                      AddressCase{PAGE, "#graphs/dfs", PAGE_URL "#graphs/dfs"},
                      AddressCase{PAGE, "#../../x", PAGE_URL "#../../x"},
                      AddressCase{PAGE, "#find?key=1&n=2", PAGE_URL "#find?key=1&n=2"},
                      AddressCase{PAGE, "#100%", PAGE_URL "#100%25"},
                      AddressCase{PAGE, "#%41%", PAGE_URL "#%2541%25"},
                      AddressCase{PAGE, "#a#b", PAGE_URL "#a%23b"},
                      AddressCase{PAGE, "#x y ", PAGE_URL "#x%20y%20"},
                      AddressCase{PAGE, "#\xF1\xEE\xF0\xF2/\xDF", // "сорт/Я"
                                  PAGE_URL "#%D1%81%D0%BE%D1%80%D1%82/%D0%AF"},
                      // Appended unchanged: what comes before the anchor's "#" goes on the path.
                      AddressCase{PAGE, "toppage", PAGE_URL "toppage"},
                      AddressCase{PAGE, "x/y#z/w", PAGE_URL "x/y#z/w"},
                      AddressCase{"/opt/my#books/data/vaxilog.htm", "#p",
                                  "file:///opt/my%23books/data/vaxilog.htm#p"},
                      AddressCase{"/opt/why?/data/vaxilog.htm", "#p",
                                  "file:///opt/why%3F/data/vaxilog.htm#p"},
                      AddressCase{"/opt/книги/data/vaxilog.htm", "#p",
                                  "file:///opt/%D0%BA%D0%BD%D0%B8%D0%B3%D0%B8/data/vaxilog.htm#p"},
                      AddressCase{"/opt/a b/vaxilog.htm", "#x", "file:///opt/a%20b/vaxilog.htm#x"},
                      AddressCase{"//host/vaxilog.htm", "#p", "file:///host/vaxilog.htm#p"},
                      AddressCase{"", "#p", nullptr},
                      AddressCase{"relative/vaxilog.htm", "#p", nullptr},
                      AddressCase{"#p", "", nullptr}, AddressCase{"http://", "", nullptr},
                      AddressCase{"http://exa mple.com/", "", nullptr}));

} // namespace
