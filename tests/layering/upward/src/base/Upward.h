#pragma once

#include "shell/Form.h"
