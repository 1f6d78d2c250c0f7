#pragma once
// The application's initialise step: builds the shared parts in a fixed
// order. Sound, MIDI and SCSI may fail and stay off; any other failure tears
// down what was built and ends the program after the alert for its kind.
#include "app/startup/CABCStartupServices.h"

class CStartupSequence {
public:
    struct Availability {
        bool sound = false;
        bool midi = false;
        bool scsi = false;
    };

    // Alerts of the start-up step.
    static constexpr ResourceId kAlertNoSound = 500129001;
    static constexpr ResourceId kAlertSoundFailed = 500129006;
    static constexpr ResourceId kAlertNoSamplers = 500129037;
    static constexpr ResourceId kAlertInternalError = 500129094;
    static constexpr ResourceId kAlertTooLittleMemory = 500129400;
    static constexpr ResourceId kAlertOldSystem = 500129401;
    static constexpr ResourceId kAlertCannotRun = 500129013;
    static constexpr int kYes = 33;

    explicit CStartupSequence(CABCStartupServices& services) : services_(services) {}

    // True when the program may run; false after the failure was reported.
    bool Initialise();
    const Availability& GetAvailability() const { return availability_; }

private:
    void Build(bool& fileTypesRegistered);

    CABCStartupServices& services_;
    Availability availability_;
};
