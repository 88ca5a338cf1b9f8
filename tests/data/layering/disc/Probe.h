#pragma once

// A disc header that reaches up into the CD list's windows: the layering check must refuse it.
#include "cdlist/CdListPresenter.h"
