#include "games/TicketGenerator.h"
