#!/usr/bin/perl
# Starts a program and prints the milliseconds until a top-level window of the display is
# mapped, and the program's process id: "MS PID". Watches the root window with xev, started
# first, so that no map can be missed.
use strict;
use warnings;
use Time::HiRes qw(time sleep);

my @program = @ARGV or die "usage: $0 PROGRAM [ARGS]\n";
my $xev_pid = open(my $xev, '-|', 'stdbuf', '-oL', 'xev', '-root', '-event', 'substructure')
  or die "xev: $!\n";
sleep 0.5;
my $start = time;
my $pid = fork // die "fork: $!\n";
if ($pid == 0) {
  open(STDOUT, '>', '/dev/null');
  open(STDERR, '>', '/dev/null');
  exec @program or exit 127;
}
while (my $line = <$xev>) {
  last if $line =~ /^MapNotify/;
}
my $ms = (time - $start) * 1000;
kill 'TERM', $xev_pid;
printf "%.0f %d\n", $ms, $pid;
