#pragma once
// A transfer of the batch tool: run as the dialogs run it (failures end in
// the ladder's alert, printed as one line), under a lengthy operation that
// shows a progress line on a terminal unless `quiet`.
#include <functional>

#include "resources/CaravelResources.h"
#include "samplers/transfer/RunSamplerTransfer.h"

class CLengthyOperation;

TransferOutcome RunCliTransfer(ResourceId title, bool quiet, const std::function<void(CLengthyOperation&)>& work);
