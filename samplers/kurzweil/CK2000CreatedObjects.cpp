#include "samplers/kurzweil/CK2000CreatedObjects.h"

#include <iostream>
#include <memory>

#include "framework/alerts/Alerts.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/kurzweil/CK2000Interface.h"

namespace {

const char* KindName(std::uint16_t type)
{
    switch (type) {
    case Kurzweil::kProgram: return "program";
    case Kurzweil::kKeymap: return "keymap";
    default: return "sample";
    }
}

}  // namespace

CK2000CreatedObjects::~CK2000CreatedObjects()
{
    try {
        if (!fObjects.empty() && !DeleteAll(false))
            std::cerr << "left in the sampler: " << fLeftBehind << '\n';
    } catch (...) {  // destruction goes on whatever happens
    }
}

bool CK2000CreatedObjects::Undo()
{
    const bool done = DeleteAll(true);
    fObjects.clear();  // told below; not to be tried again on destruction
    if (!done) {
        try {
            ShowAlert(Res::kAlertK2000LeftoverKeymaps);
        } catch (...) {  // nobody to tell: LeftBehind() still says what stayed
        }
    }
    return done;
}

bool CK2000CreatedObjects::DeleteAll(bool withProgress)
{
    try {
        std::unique_ptr<CLengthyOperation> progress;
        if (withProgress)
            progress = std::make_unique<CLengthyOperation>(Res::kStringK2000CleaningUp, Res::kStringCancel);
        const auto total = static_cast<std::uint16_t>(fObjects.size());
        while (!fObjects.empty()) {
            if (progress) {
                progress->Update(static_cast<std::int32_t>(fObjects.size()),
                                 static_cast<std::uint16_t>((total - fObjects.size()) * 100 / total));
                if (progress->WasCancelled()) {
                    progress->SetTitle(Res::kStringCancelled);
                    break;
                }
            }
            const Kurzweil::ObjectId object = fObjects.front();
            fSampler.DeleteObject(object);
            fObjects.erase(fObjects.begin());
        }
    } catch (...) {  // the instrument stopped answering: the rest stays
    }
    NoteLeftBehind();
    return fObjects.empty();
}

void CK2000CreatedObjects::NoteLeftBehind()
{
    fLeftBehind.clear();
    for (const Kurzweil::ObjectId& object : fObjects)
        fLeftBehind += (fLeftBehind.empty() ? "" : ", ") + std::string(KindName(object.type)) + " " +
                       std::to_string(object.id);
}
