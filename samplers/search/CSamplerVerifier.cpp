#include "samplers/search/CSamplerVerifier.h"

#include <cstdio>
#include <optional>

#include "framework/alerts/Alerts.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/ResourceScripts.h"
#include "samplers/model/CABCSupportedSampler.h"
#include "samplers/model/CInstalledSamplerList.h"
#include "samplers/search/CSamplerFinder.h"
#include "samplers/search/TooOldNote.h"

namespace {

// The answers of alert 35: [Retry][Find][Skip].
constexpr std::int32_t kSkip = 33;
constexpr std::int32_t kFind = 34;

// The alert that tells why a conversation with a sampler failed: 0 for a
// port that would not open (its alert has been shown), nothing for a failure
// that is not the conversation's.
std::optional<ResourceId> AlertFor(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const XOutOfMemory&) {
        return Res::kAlertNotEnoughMemory;
    } catch (const XExternalDeviceRejected&) {
        return Res::kAlertOperationRejected;
    } catch (const XSCSICommunicationException&) {
        return Res::kAlertSCSICommunication;
    } catch (const XSCSI&) {
        return Res::kAlertSCSICommunication;
    } catch (const XMIDICommunicationException&) {
        return Res::kAlertMIDICommunication;
    } catch (const XExternalDeviceException&) {
        return Res::kAlertSamplerCommunication;
    } catch (const XMIDI&) {
        return 0;
    } catch (...) {
        return std::nullopt;
    }
}

std::string LookingFor(const CInstalledSampler& sampler)
{
    const std::string format = GetResourceString(Res::kStringLookingForSampler);
    char text[256];
    std::snprintf(text, sizeof text, format.c_str(), sampler.Name().c_str());
    return text;
}

}  // namespace

bool CSamplerVerifier::VerifySampler(CInstalledSampler& sampler)
{
    const CABCSupportedSampler& type = sampler.Type();
    if (IsPseudoSampler(type.Kind())) {
        sampler.SetVerified(true);
        return true;
    }
    sampler.ForgetVerification();
    bool answered = false;
    try {
        answered = type.Verify(sampler);
    } catch (const std::bad_alloc&) {
        ShowAlert(Res::kAlertNotEnoughMemory);
        return false;
    } catch (const XBase&) {
        const std::optional<ResourceId> alert = AlertFor(std::current_exception());
        if (!alert)
            throw;
        if (*alert != 0)
            ShowAlert(*alert);
        return false;
    }
    if (!answered)
        return false;
    sampler.SetVerified(true);
    if (type.IsTooOld(sampler.FoundOS())) {
        ShowTooOldNoteForInstalled(sampler);
        return false;
    }
    return true;
}

bool CSamplerVerifier::VerifyInstalledSamplers(CInstalledSamplerList& samplers)
{
    CLengthyOperation operation(Res::kStringSamplersLeftToCheck, Res::kStringCancel);
    std::uint16_t count = samplers.Count();
    for (std::uint16_t i = 0; i < count; ++i) {
        CInstalledSampler& sampler = samplers.At(i);
        operation.SetTitle(LookingFor(sampler));
        operation.Update(count - i, static_cast<std::uint16_t>(i * 100 / count));
        if (operation.WasCancelled()) {
            operation.SetTitle(Res::kStringCancelled);
            return false;
        }
        for (;;) {
            if (VerifySampler(sampler))
                break;
            const std::int32_t answer = ShowAlertWithArgument(Res::kAlertSamplerUnreachable, sampler.Name());
            if (answer == kSkip)
                break;
            if (answer != kFind)
                continue;
            const std::string name = sampler.Name();
            const bool wasSelected = samplers.Selected() == &sampler;
            const std::uint32_t typeId = sampler.Type().TypeId();
            const std::string typeName = sampler.Type().Name();
            samplers.RemoveAt(i);
            --i;
            --count;
            if (auto found = fFinder.FindSamplerOfType(typeId, Res::kStringIsThisTheRightSampler, samplers)) {
                found->SetName(name);
                const std::uint16_t index = samplers.Add(std::move(found));
                if (wasSelected)
                    samplers.Select(index);
            } else {
                ShowAlertWithArgument(Res::kAlertSamplerNotFoundRemoved, typeName);
            }
            break;
        }
    }
    operation.Finish();
    return true;
}
