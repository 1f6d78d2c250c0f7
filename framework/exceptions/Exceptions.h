#pragma once
// The whole exception tree.
#include "framework/exceptions/CancelExceptions.h"
#include "framework/exceptions/DeviceExceptions.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "framework/exceptions/SamplerExceptions.h"
