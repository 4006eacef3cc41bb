// The one way a window's command tells what it raised: each kind of error
// gives its text (Finnish letters whole under every locale), its number when
// it carries one, the program's title and the window's icon; a command that
// raises nothing shows nothing.

#include "core/globals.h"
#include "core/schema.h"
#include "core/ui/commanderrors.h"
#include "platform/dao/error.h"
#include "platform/fso/fso.h"
#include "platform/report/error.h"
#include "support/dialogs.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Case {
    const char* kind;
    std::function<void()> command;
    const char* shown;  // the message, or nullptr for none
};

TEST(CommandErrors, EachKindOfErrorIsShownWithItsNumberAndWholeText) {
    core::resetGlobals();
    core::AppTitle = QStringLiteral("Kolvio Testi");
    const Case cases[] = {
        {"nothing", [] {}, nullptr},
        {"database", [] { throw dao::DaoError(3021, QStringLiteral("Tiliä ei löydy")); },
         "Odottamaton virhe: 3021 / Tiliä ei löydy"},
        {"report", [] { throw report::ReportError(20501, QStringLiteral("Määrittelyä ei löydy")); },
         "Odottamaton virhe: 20501 / Määrittelyä ei löydy"},
        {"file", [] { throw fso::Error(70, QStringLiteral("Pääsy estetty")); }, "Odottamaton virhe: 70 / Pääsy estetty"},
        {"upgrade", [] { throw core::UpgradeError(6, QStringLiteral("Taulut"), 3265, QStringLiteral("Kenttää ei ole")); },
         "Odottamaton virhe: 3265 / Kenttää ei ole"},
        {"other standard", [] { throw std::runtime_error("Tiliä ei löydy"); }, "Odottamaton virhe: Tiliä ei löydy"},
        {"not standard", [] { throw 42; }, "Odottamaton virhe: Tuntematon virhe."},
    };
    for (const ui::Icon icon : {ui::Icon::Critical, ui::Icon::Information}) {
        const core::CommandRunner run{[] { return QStringLiteral("Odottamaton virhe: "); }, icon};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.kind);
            kvtest::ScriptedDialogs dialogs;
            if (c.shown) dialogs.expectMessage(QString::fromUtf8(c.shown), ui::Answer::OK);
            EXPECT_EQ(run(c.command), c.shown == nullptr);
            if (!c.shown) {
                EXPECT_TRUE(dialogs.shown().isEmpty());
                continue;
            }
            ASSERT_EQ(dialogs.shown().size(), 1);
            EXPECT_EQ(dialogs.shown()[0].text, QString::fromUtf8(c.shown));
            EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Kolvio Testi"));
            EXPECT_EQ(dialogs.shown()[0].icon, icon);
            EXPECT_EQ(dialogs.shown()[0].buttons, ui::Buttons::OK);
        }
    }
}

}  // namespace
