#include "cli/CCliProgressLine.h"

#include <unistd.h>

#include <algorithm>
#include <string>

namespace {

class CLineWindow : public CABCProgressWindow {
public:
    explicit CLineWindow(std::ostream& errors) : fErrors(errors) {}
    ~CLineWindow() override { fErrors << '\n' << std::flush; }

    void Refresh(const std::string& title, std::int32_t value, std::uint16_t percent) override
    {
        std::string text = title;
        std::replace(text.begin(), text.end(), '\r', ' ');
        fErrors << "\r\033[K" << text << ' ' << value << "  " << percent << '%' << std::flush;
    }
    void ProcessEvents() override {}
    bool Cancelled() const override { return false; }

private:
    std::ostream& fErrors;
};

}  // namespace

CCliProgressLine::CCliProgressLine(std::ostream& errors) : fErrors(errors), fPrevious(Install(this)) {}

CCliProgressLine::~CCliProgressLine()
{
    Install(fPrevious);
}

bool CCliProgressLine::IsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

std::unique_ptr<CABCProgressWindow> CCliProgressLine::CreateProgressWindow(const std::string&, const std::string&,
                                                                           std::int32_t, std::uint16_t)
{
    return std::make_unique<CLineWindow>(fErrors);
}
