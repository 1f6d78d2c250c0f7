#pragma once
// The note shown for a sampler whose operating system is older than its type
// requires: for a found sampler it names the SysEx ID, the SCSI ID or both
// as its kind uses them; for an installed one only its type.
class CInstalledSampler;

void ShowTooOldNote(const CInstalledSampler& sampler);
void ShowTooOldNoteForInstalled(const CInstalledSampler& sampler);
