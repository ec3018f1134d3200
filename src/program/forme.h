// Each subsystem registers its own forms (its forme.h).
#pragma once

#include "accounts/forme.h"
#include "apartments/forme.h"
#include "bookings/forme.h"
#include "registry/forme.h"
#include "settlement/forme.h"
#include "shell/forme.h"
