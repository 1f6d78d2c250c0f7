#include "document/export/ExportFailureAlert.h"

#include <cerrno>

#include "document/export/ExportChecks.h"
#include "document/export/ExportSampleCell.h"
#include "formats/samplecell/SampleCellTemplate.h"
#include "framework/exceptions/GeneralExceptions.h"

ResourceId ExportFailureAlert(const std::exception_ptr& failure, ResourceId exportAlert) {
    try {
        std::rethrow_exception(failure);
    } catch (const XNothingToExport&) {
        return Res::kAlertNothingToExport;
    } catch (const XBadSampleCellTemplate&) {
        return Res::kAlertSampleCellTemplateUnreadable;
    } catch (const XDiskFull&) {
        return Res::kAlertDiskFull;
    } catch (const XBase& error) {
        if (error.SystemError() == ENOSPC || error.SystemError() == EFBIG) return Res::kAlertDiskFull;
        if (dynamic_cast<const XSampleCellInstrument*>(&error)) return Res::kAlertSampleCellWriteFailed;
        return exportAlert;
    } catch (...) {
        return exportAlert;
    }
}
