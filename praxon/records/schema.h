#pragma once

namespace Records {

class SqlConnection;

// The record store's tables, brought to the newest layout by numbered migrations. Each runs once,
// in its own transaction, and the number reached is kept in the store itself.
class Schema final
{
public:
    static int newest();
    // Runs the migrations the store has not had yet; false with the connection's error.
    static bool migrate(SqlConnection& connection);

    Schema() = delete;
};

} // namespace Records
