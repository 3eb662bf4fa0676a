#include "test_game.h"
