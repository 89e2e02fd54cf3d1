#include "DataRecovery/DataRecoveryMulti.h"

#include <utility>

DataRecoveryMulti::DataRecoveryMulti() = default;

DataRecoveryMulti::DataRecoveryMulti(DataRecoveryCallback callback) : callback(std::move(callback)) {}

DataRecoveryMulti::~DataRecoveryMulti() = default;
