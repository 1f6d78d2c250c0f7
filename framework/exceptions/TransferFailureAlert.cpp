#include "framework/exceptions/TransferFailureAlert.h"

#include "framework/exceptions/Exceptions.h"

std::optional<ResourceId> TransferFailureAlert(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const XSampleTransmitCancelled&) {
        return std::nullopt;
    } catch (const XAKAIDeleteCancelled&) {
        return Res::kAlertAKAILeftoverSamples;
    } catch (const XK2000DeleteCancelled&) {
        return Res::kAlertK2000LeftoverKeymaps;
    } catch (const XS760DeleteCancelled&) {
        return Res::kAlertS760PatchDamaged;
    } catch (const XA3000BankInconsistent&) {
        return Res::kAlertA3000BankInconsistent;
    } catch (const XOutOfMemory&) {
        return Res::kAlertNotEnoughMemory;
    } catch (const XExternalDeviceOutOfMemory&) {
        return Res::kAlertSamplerOutOfMemory;
    } catch (const XExternalDeviceRejected&) {
        return Res::kAlertOperationRejected;
    } catch (const XSCSICommunicationException&) {
        return Res::kAlertSCSICommunication;
    } catch (const XMIDICommunicationException&) {
        return Res::kAlertMIDICommunication;
    } catch (const XExternalDeviceException&) {
        return Res::kAlertSamplerCommunication;
    } catch (const XFailedOpeningMIDIPort&) {
        // Opening the port has named it in its own alert.
        return std::nullopt;
    } catch (const XMIDI&) {
        return Res::kAlertMIDICommunication;
    } catch (const XSCSI&) {
        return Res::kAlertSCSICommunication;
    } catch (...) {
        return Res::kAlertInternalError;
    }
}
