#include "korvex/engine/unit_labels.h"

namespace korvex::engine {

UnitLabels UnitLabels::for_code(int code) {
  if (code > 0) return {" IN", " LBS", "IN", "LBS"};
  if (code < 0) return {"  M", "  KN", " M", " KN"};
  return {"  L", "   F", " L", "  F"};
}

}  // namespace korvex::engine
