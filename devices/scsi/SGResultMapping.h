#pragma once
// What one SG_IO request came to, as a SCSI result: from the errno of the
// call, then the host adapter's status, the SCSI status, the driver's status
// and the residual count. Faults of the interface raise XSCSI (a refused
// permission XSCSIAccessDenied).
#include <scsi/sg.h>

#include "devices/scsi/SCSIResult.h"

SCSIResult MapSGResult(int error, const sg_io_hdr_t& request);
