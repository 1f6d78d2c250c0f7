#include "gui/dialogs/CSampleCellExportDialog.h"

#include <filesystem>

#include "document/export/ExportSampleCell.h"
#include "document/export/SamplerFileExportSettings.h"
#include "framework/files/FileTypes.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/framework/controls/CCheckBoxView.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/views/CStaticTextView.h"
#include "gui/framework/views/CWindowRootGroupView.h"
#include "gui/window/RequiredItem.h"

CSampleCellExportDialog::CSampleCellExportDialog(SamplerFileExportJob& job)
    : CSamplerFileExportDialog(kTemplate, kMIDIAndExport, job)
{
    fUseTemplate = new CCheckBoxView(&Root(), RequiredItem(*this, kUseTemplate));
    fTemplateName = new CStaticTextView(&Root(), RequiredItem(*this, kTemplateName).frame, "");
    fBrowse = new CPushButtonView(&Root(), RequiredItem(*this, kBrowse));
    job.settings.instrumentName.Propose(job.sampleName);
    ShowSettings();
}

void CSampleCellExportDialog::ShowSettings()
{
    const SamplerFileExportSettings& settings = Job().settings;
    fUseTemplate->SetChecked(settings.useTemplate);
    fTemplateName->SetText(settings.templateFile ? std::filesystem::path(*settings.templateFile).filename().string()
                                                 : GetResourceString(Res::kStringNotApplicable));
    fTemplateName->SetEnabled(settings.useTemplate);
    fBrowse->SetEnabled(settings.useTemplate);
}

void CSampleCellExportDialog::Browse()
{
    SamplerFileExportSettings& settings = Job().settings;
    if (const std::optional<std::string> chosen = Job().askFileToOpen(Res::kStringChooseTemplateFile, kSampleCellFileType))
        settings.templateFile = *chosen;
    if (!settings.templateFile)
        settings.useTemplate = false;
}

void CSampleCellExportDialog::CheckFields()
{
    SamplerFileExportSettings& settings = Job().settings;
    if (fBrowse->TakePress())
        Browse();
    if (fUseTemplate->IsChecked() != settings.useTemplate) {
        if (!settings.useTemplate && !settings.templateFile)
            Browse();
        settings.useTemplate = !settings.useTemplate && settings.templateFile.has_value();
    }
    ShowSettings();
}

std::optional<int> CSampleCellExportDialog::Export()
{
    const SamplerFileExportSettings& settings = Job().settings;
    std::optional<CFileSpec> templateFile;
    if (settings.useTemplate && settings.templateFile)
        templateFile = CFileSpec(*settings.templateFile);
    const Kind kind{CABCExportFeedback::ExportKind::kSampleCell, kSampleCellMaxSlices, Res::kStringExportSampleCellAs,
                    &kSampleCellFileType, Res::kAlertSampleCellExportFailed};
    return RunExport(kind, settings.instrumentName.Name(), [this, &templateFile](const CFileSpec& file, int count) {
        return ExportSampleCell(Job().renderSet, file, templateFile, count, Job().feedback);
    });
}
