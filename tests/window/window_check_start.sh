# The start every window check shares (sourced at its top, after `needs` names the tools it runs):
# the check goes on in a private network namespace where one can be had, since the single-instance
# lock is an abstract socket and a copy of the game running elsewhere on the machine would otherwise
# turn this one away; and every tool it needs must be there.
if [ -z "${TESSIVANE_OWN_NETNS:-}" ] && unshare -n true 2>/dev/null; then
  TESSIVANE_OWN_NETNS=1 exec unshare -n "$0" "$@"
fi
for tool in $needs; do
  command -v "$tool" >/dev/null || { echo "$tool is needed"; exit 1; }
done
export OMP_NUM_THREADS=1
