#include "samplers/devices/CSCSISamplerScan.h"

#include <new>

#include "devices/scsi/CSCSIBus.h"
#include "devices/scsi/CSCSIBusTable.h"
#include "framework/alerts/Alerts.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/InquireReadyDevice.h"
#include "samplers/identification/SamplerRecognition.h"

std::vector<SCSIFoundRecord> CSCSISamplerScan::Run()
{
    CLengthyOperation operation(Res::kStringScanningSCSI, Res::kStringCancel);
    std::vector<SCSIFoundRecord> found;
    const int steps = fBuses.BusCount() * kIDs;
    for (std::uint16_t bus = 0; bus < fBuses.BusCount(); ++bus) {
        for (std::uint8_t id = 0; id < kIDs; ++id) {
            const int step = bus * kIDs + id;
            operation.Update(steps - step, static_cast<std::uint16_t>(step * 100 / steps));
            if (operation.WasCancelled()) {
                operation.SetTitle(Res::kStringCancelled);
                return {};
            }
            if (id == fBuses.BusAt(bus)->AdapterId())
                continue;
            try {
                if (const auto inquiry = InquireReadyDevice(fBuses.Device(bus, id, kTimeout)))
                    if (const auto answer = RecogniseSCSIAnswer(*inquiry))
                        found.push_back({id, bus, answer->typeId, answer->version});
            } catch (const XSCSI&) {
            } catch (const XExternalDeviceException&) {
            } catch (const XOutOfMemory&) {
                ShowAlert(Res::kAlertOutOfMemory);
                return found;
            } catch (const std::bad_alloc&) {
                ShowAlert(Res::kAlertOutOfMemory);
                return found;
            } catch (const XBase&) {
                ShowAlert(Res::kAlertInternalError);
                return found;
            }
        }
    }
    operation.Finish();
    return found;
}
