#include "framework/progress/CABCProgressPresenter.h"

#include <utility>

namespace {
CABCProgressPresenter* gPresenter = nullptr;
}

CABCProgressPresenter* CABCProgressPresenter::Current()
{
    return gPresenter;
}

CABCProgressPresenter* CABCProgressPresenter::Install(CABCProgressPresenter* presenter)
{
    return std::exchange(gPresenter, presenter);
}
