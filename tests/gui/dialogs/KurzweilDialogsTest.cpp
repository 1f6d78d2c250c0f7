// The K2000/K2500 transmit and receive dialogs on the simulated K2000: the
// programs found at the IDs typed, the choices refused with their alerts,
// the program built on the template chosen, the choices kept, and a sample
// fetched back by its ID.
#include <gtest/gtest.h>

#include "gui/dialogs/CK2000ReceiveDialog.h"
#include "gui/dialogs/CK2000TransmitDialog.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "tests/support/DialogInput.h"
#include "tests/support/KurzweilRig.h"
#include "tests/support/SamplerTestRig.h"

TEST(KurzweilDialogs, TransmitNamesTheProgramsFoundChecksTheChoicesAndReceivesBack)
{
    using D = CK2000TransmitDialog;
    KurzweilRig rig;
    rig.PutProgram(10, 48, {2500, 3, 77, 1});
    FakeIdentification identification;
    const CSupportedSamplerRegistry types(identification);
    CInstalledSampler k2000(*types.Find(1000));

    D dialog(k2000, rig.slices, rig.transfer, nullptr);
    EXPECT_EQ(dialog.Title(), "Transmit to " + k2000.Name());
    EXPECT_EQ(dialog.Field(D::kProgramName).Text(), "New Program");
    const struct {
        const char* name;
        const char* id;
        const char* templateId;
        std::string programFound;
        std::string templateFound;
        ResourceId alert;
    } cases[] = {
        {"", "200", "65535", "(Empty Program)", "", Res::kAlertK2000NoName},
        {"LOOP", "", "77", "", "(No Program)", Res::kAlertK2000NoDestination},
        {"LOOP", "65535", "10", "", "(\"OLD\")", Res::kAlertK2000NoDestination},
        {"LOOP", "10", "10", "(Replace \"OLD\")", "(\"OLD\")", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        dialog.Field(D::kProgramName).SetText(c.name);
        dialog.Field(D::kProgramId).SetText(c.id);
        dialog.Field(D::kTemplateId).SetText(c.templateId);
        dialog.CheckControls();
        EXPECT_EQ(dialog.Found(D::kProgramFound), c.programFound);
        EXPECT_EQ(dialog.Found(D::kTemplateFound), c.templateFound);
        if (c.alert) {
            Press(dialog, dialog.ButtonOn(D::kTransmit));
            EXPECT_TRUE(rig.alerts.Shown(c.alert));
            EXPECT_FALSE(dialog.HasEnded());
        }
    }
    EXPECT_TRUE(rig.sampler.Ids(Kurzweil::kSample).empty());

    dialog.Field(D::kProgramId).SetText("200");
    dialog.UseTemplate().SetChecked(true);
    Press(dialog, dialog.ButtonOn(D::kTransmit));
    ASSERT_TRUE(dialog.HasEnded());
    EXPECT_EQ(rig.sampler.Find({Kurzweil::kProgram, 200})->name, "LOOP");
    const CK2000Keymap keymap = rig.Stored(CK2000Keymap(rig.Stored(CK2000Program(200, "")).FirstKeymap(0), ""));
    EXPECT_EQ(keymap.Find(0, 48)->sampleId, 200);  // the template's base key

    D again(k2000, rig.slices, rig.transfer, nullptr);
    EXPECT_EQ(again.Field(D::kProgramName).Text(), "LOOP");
    EXPECT_EQ(again.Field(D::kProgramId).Text(), "200");
    EXPECT_TRUE(again.UseTemplate().IsChecked());

    CK2000ReceiveDialog receive(k2000, rig.transfer, nullptr);
    EXPECT_EQ(receive.Title(), "Receive from " + k2000.Name());
    receive.Number().SetText("1001");
    receive.CheckControls();
    EXPECT_FALSE(receive.Button(CK2000ReceiveDialog::kReceive).IsEnabled());
    receive.Number().SetText("201");
    Press(receive, receive.Button(CK2000ReceiveDialog::kReceive));
    ASSERT_TRUE(receive.Received());
    EXPECT_EQ(receive.Received()->format.name, "LOOP           2");
}
