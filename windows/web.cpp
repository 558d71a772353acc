// SPDX-License-Identifier: MIT
#include "web.h"

web::web(FormsRuntime &, QWidget *parent)
    : QWidget(parent)
{
}
