#include "ui/PageAddress.h"
#include "ui/ErrorDisplay.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* address;
    const char* url; // nullptr: refused
};

std::ostream& operator<<(std::ostream& out, const AddressCase& c) {
    return out << c.address;
}

class PageAddressToUrl : public ::testing::TestWithParam<AddressCase> {};

TEST_P(PageAddressToUrl, ConvertsOrRefuses) {
    const QString address = QString::fromUtf8(GetParam().address);
    if (!GetParam().url) {
        EXPECT_THROW(pageUrlFromAddress(address), WindowError);
        return;
    }
    EXPECT_EQ(pageUrlFromAddress(address).toString(QUrl::FullyEncoded).toStdString(),
              GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageAddressToUrl,
    ::testing::Values(
        AddressCase{"http://www.varnel.example/updateal.htm",
                    "http://www.varnel.example/updateal.htm"},
        AddressCase{"/opt/r/data/vaxilog.htm#toppage", "file:///opt/r/data/vaxilog.htm#toppage"},
        AddressCase{"/opt/r/data/vaxilog.htm", "file:///opt/r/data/vaxilog.htm"},
        AddressCase{"/opt/r/data/vaxilog.htm#a#b", "file:///opt/r/data/vaxilog.htm#a%23b"},
        AddressCase{"/opt/my#books/data/vaxilog.htm#p",
                    "file:///opt/my%23books/data/vaxilog.htm#p"},
        AddressCase{"/opt/книги/data/vaxilog.htm#сорт",
                    "file:///opt/%D0%BA%D0%BD%D0%B8%D0%B3%D0%B8/data/"
                    "vaxilog.htm#%D1%81%D0%BE%D1%80%D1%82"},
        AddressCase{"/opt/a b/vaxilog.htm#x y", "file:///opt/a%20b/vaxilog.htm#x%20y"},
        AddressCase{"//host/vaxilog.htm#p", "file:///host/vaxilog.htm#p"}, AddressCase{"", nullptr},
        AddressCase{"relative/vaxilog.htm#p", nullptr}, AddressCase{"http://", nullptr},
        AddressCase{"http://exa mple.com/", nullptr}));

} // namespace
