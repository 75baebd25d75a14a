#include "tests/ui/dialog_fixture.h"
#include "tests/support/accessible_text.h"
#include <cstdio>

class AccessibilityTest : public DialogTest {
protected:
    test_support::ComThread com;
};

TEST_F(AccessibilityTest, Explore) {
    for (HWND w = ::GetWindow(hwnd, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        auto n = test_support::AccessibleName(w);
        auto v = test_support::AccessibleValue(w);
        std::printf("%d %ls [%ls] name=%ls value=%ls\n", ::GetDlgCtrlID(w), test_support::ClassName(w).c_str(),
                    test_support::WindowText(w).c_str(), n ? n->c_str() : L"<none>", v ? v->c_str() : L"<none>");
    }
}
