#pragma once
// The alert that reports a failed sampler-file export (SoundFont bank,
// Mixman track, SampleCell instrument).
#include <exception>

#include "resources/CaravelResources.h"

// A full disk: alert 93; a loop that gives no sound: its own alert; an
// unreadable SampleCell template or instrument file: alerts 10 and 11;
// anything else exportAlert, the export's own.
ResourceId ExportFailureAlert(const std::exception_ptr& failure, ResourceId exportAlert);
