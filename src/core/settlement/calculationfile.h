// The agreement keeps no calculation file of its own: its accounts come from a daily-savings
// calculation (a ".e12" file, or the one open in that calculator), whose balances are the saldos
// base of the plans and whose TOTAL is what the claim is worth.
#pragma once

namespace ruvivavu::dailysavings {
class DailySavings;
}

namespace ruvivavu::settlement {

class Settlement;

// Replaces the accounts by one per balance row of the calculation (plan name, month, anniversary
// day, currency, balance as it holds them), takes its header, and its TOTAL as the claim (empty
// while its sheet is not built). The regime stays. UserMessage when the calculation has no balance.
void takeDailySavings(const dailysavings::DailySavings& calculation, Settlement& settlement);

}  // namespace ruvivavu::settlement
