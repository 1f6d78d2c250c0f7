#pragma once
// Checks that installed samplers answer at their addresses with a recent
// enough operating system: one sampler (Sampler Settings' Verify), or every
// installed one at start-up, where the user may retry, search for the
// sampler again or skip it.
class CInstalledSampler;
class CInstalledSamplerList;
class CSamplerFinder;

class CSamplerVerifier {
public:
    explicit CSamplerVerifier(CSamplerFinder& finder) : fFinder(finder) {}

    // A pseudo-sampler is verified at once. A failure of the conversation is
    // reported with its alert and answers false; the sampler's found OS and
    // verified flag tell what was learnt.
    bool VerifySampler(CInstalledSampler& sampler);
    // Under the lengthy operation "Samplers left to check:". A sampler that
    // cannot be reached asks alert 35: Retry, Find (a search for its type;
    // the one chosen takes its place, name and selection; none: alert 82 and
    // it stays removed) or Skip. False when the user cancelled.
    bool VerifyInstalledSamplers(CInstalledSamplerList& samplers);

private:
    CSamplerFinder& fFinder;
};
